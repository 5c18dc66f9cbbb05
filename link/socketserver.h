#pragma once

#include <QByteArray>
#include <QObject>

#include <atomic>

class QTcpSocket;
class SpiDriver;

// One client of the service socket, on its own low-priority thread. The service tool's packets are not
// provided; the object keeps the client's connections to the SPI driver.
class SocketServer : public QObject
{
    Q_OBJECT
public:
    // `spi` is the link the client's requests go to (none: the client is served nothing).
    SocketServer(qintptr socketDescriptor, SpiDriver* spi, QObject* parent = nullptr);
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
    SpiDriver* spi_;
    QTcpSocket* socket_ = nullptr;
    std::atomic<quint64> eventsReceived_{0};
};
