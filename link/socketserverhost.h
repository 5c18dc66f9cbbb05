#pragma once

#include <QList>
#include <QTcpServer>

class QThread;
class SpiDriver;

// The service socket's listener (TCP 5321): every client gets a SocketServer on a low-priority thread,
// connected to the link `spi`.
class SocketServerHost : public QTcpServer
{
    Q_OBJECT
public:
    static constexpr quint16 kPort = 5321;

    explicit SocketServerHost(SpiDriver* spi, QObject* parent = nullptr);
    ~SocketServerHost() override;

    bool start(quint16 port = kPort);
    int clientCount() const { return threads_.size(); }

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    SpiDriver* spi_;
    QList<QThread*> threads_;
};
