#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

#include "scada/scadaloglimit.h"

class ScadaSocket;

// Modbus TCP server of a register map: listens on every local address and keeps one client.
class ScadaServer : public QTcpServer
{
    Q_OBJECT
public:
    explicit ScadaServer(QObject* parent = nullptr);
    ~ScadaServer() override;

    // The Modbus TCP port: 502, or RVK_SCADA_PORT when set.
    static quint16 port();

    bool init(quint16 port);
    ScadaSocket* socket() const { return socket_; }
    // A client that sends what is not Modbus TCP: logged at most once a minute.
    void logBadHeader(int bytes);

public slots:
    void socketDestroyed();

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    void forgetSocket();
    // Time of the map that owns the server.
    qint64 nowMs() const;

    ScadaSocket* socket_ = nullptr;
    // Connections, replacements and disconnections come as often as a master reconnects.
    ScadaLogLimit connectionLog_;
    ScadaLogLimit replacementLog_;
    ScadaLogLimit disconnectionLog_;
    ScadaLogLimit badHeaderLog_;
};

// One client connection; hands whole requests to the engine one at a time, in arrival order.
class ScadaSocket : public QTcpSocket
{
    Q_OBJECT
public:
    explicit ScadaSocket(QObject* parent = nullptr);
    ~ScadaSocket() override;

    static constexpr int kStreamMax = 4096;

    // Moves the next whole request into the frame buffer when the engine holds none.
    void takeRequest();

public slots:
    void slotReceivePacket();

private:
    // Appends waiting socket bytes to the stream, as many as fit.
    void readStream();
    void dropFront(int n);

    char stream_[kStreamMax];  // received bytes not yet handed to the engine
    int streamLen_ = 0;
};
