#pragma once

#include <QByteArray>
#include <QObject>

#include <atomic>

class QTcpSocket;

// One client of the service socket, on its own low-priority thread. The service tool's packets are not
// provided; the object keeps the client's connections to the SPI driver.
class SocketServer : public QObject
{
    Q_OBJECT
public:
    explicit SocketServer(qintptr socketDescriptor, QObject* parent = nullptr);
    ~SocketServer() override;

    quint64 eventsReceived() const { return eventsReceived_.load(); }

signals:
    void signalEventRead(quint32 addr);
    void signalFinished();

public slots:
    // Thread entry.
    void process();
    void slotNewEvent(QByteArray eventLog);
    void slotSpiResiveLogCompress(QByteArray headerPkt, QByteArray log);

private:
    qintptr descriptor_;
    QTcpSocket* socket_ = nullptr;
    std::atomic<quint64> eventsReceived_{0};
};
