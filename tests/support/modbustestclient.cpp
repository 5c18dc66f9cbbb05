#include "modbustestclient.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QtTest>

ModbusTestClient::ModbusTestClient(quint16 port)
    : port_(port)
{
}

bool ModbusTestClient::connectToServer(int timeoutMs)
{
    socket_.connectToHost(QHostAddress::LocalHost, port_);
    return socket_.waitForConnected(timeoutMs);
}

QByteArray ModbusTestClient::frame(quint16 tid, quint8 uid, const QByteArray& pdu, quint16 pid)
{
    QByteArray f;
    const int len = pdu.size() + 1;
    f.append(char(tid >> 8)).append(char(tid & 0xFF));
    f.append(char(pid >> 8)).append(char(pid & 0xFF));
    f.append(char(len >> 8)).append(char(len & 0xFF));
    f.append(char(uid));
    f.append(pdu);
    return f;
}

void ModbusTestClient::send(const QByteArray& bytes)
{
    socket_.write(bytes);
    socket_.waitForBytesWritten(1000);
}

QByteArray ModbusTestClient::receive(int bytes, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (pending_.size() < bytes && timer.elapsed() < timeoutMs) {
        if (socket_.bytesAvailable() == 0)
            socket_.waitForReadyRead(qMax<qint64>(1, qMin<qint64>(50, timeoutMs - timer.elapsed())));
        pending_.append(socket_.readAll());
        if (socket_.state() != QAbstractSocket::ConnectedState && socket_.bytesAvailable() == 0)
            break;
    }
    const QByteArray out = pending_.left(bytes);
    pending_.remove(0, out.size());
    return out;
}

QByteArray ModbusTestClient::transact(const QByteArray& pduHex, quint16 tid, quint8 uid, int timeoutMs)
{
    send(frame(tid, uid, QByteArray::fromHex(pduHex)));
    const QByteArray header = receive(7, timeoutMs);
    if (header.size() < 7)
        return QByteArray();
    const int len = (quint8(header[4]) << 8) | quint8(header[5]);
    const quint16 rtid = static_cast<quint16>((quint8(header[0]) << 8) | quint8(header[1]));
    if (rtid != tid || quint8(header[6]) != uid || header[2] != 0 || header[3] != 0 || len < 2)
        return QByteArray("bad header ") + header.toHex();
    const QByteArray pdu = receive(len - 1, timeoutMs);
    return pdu.toHex();
}

bool ModbusTestClient::waitForClosed(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (socket_.state() == QAbstractSocket::ConnectedState && timer.elapsed() < timeoutMs) {
        socket_.waitForReadyRead(50);
        pending_.append(socket_.readAll());
    }
    return socket_.state() != QAbstractSocket::ConnectedState;
}
