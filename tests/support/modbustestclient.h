#pragma once

#include <QByteArray>
#include <QTcpSocket>

// Raw Modbus TCP client of the tests: hand-built frames over a loopback socket.
class ModbusTestClient
{
public:
    explicit ModbusTestClient(quint16 port);

    bool connectToServer(int timeoutMs = 2000);
    // MBAP header with the given ids and a length that fits the PDU.
    static QByteArray frame(quint16 tid, quint8 uid, const QByteArray& pdu, quint16 pid = 0);
    void send(const QByteArray& bytes);
    // Waits until `bytes` arrived (or the time is up) and returns what arrived.
    QByteArray receive(int bytes, int timeoutMs = 2000);
    // Sends one frame and returns the response PDU (hex), or "" when nothing whole came back.
    QByteArray transact(const QByteArray& pduHex, quint16 tid = 1, quint8 uid = 1, int timeoutMs = 2000);
    bool waitForClosed(int timeoutMs = 2000);
    QTcpSocket& socket() { return socket_; }

private:
    quint16 port_;
    QTcpSocket socket_;
    QByteArray pending_;
};
