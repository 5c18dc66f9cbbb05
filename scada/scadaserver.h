#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

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

public slots:
    void socketDestroyed();

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    void forgetSocket();

    ScadaSocket* socket_ = nullptr;
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
