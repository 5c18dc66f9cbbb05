#include "scada/scadaserver.h"

#include "scada/modbus/mbtcp.h"
#include "scada/modbus/portevent.h"
#include "scada/scada.h"
#include "scada/scadaclock.h"

#include <QDebug>
#include <QPointer>

#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {

// Received bytes kept per client (ScadaSocket::kStreamMax); the rest waits in the socket, so a flooding
// client is slowed by TCP.
constexpr qint64 kSocketBufferMax = 16384;

// The server that eMBTCPInit started, and the client whose request the frame buffer holds.
QPointer<ScadaServer> pxTCPServer;
ScadaSocket* pxTCPRequestClient = nullptr;

void prvvWithdrawRequest()
{
    pxTCPRequestClient = nullptr;
    usTCPBufPos = 0;
    xMBPortEventInit();
}

} // namespace

ScadaServer::ScadaServer(QObject* parent)
    : QTcpServer(parent)
{
}

ScadaServer::~ScadaServer()
{
    if (socket_) {
        disconnect(socket_, nullptr, this, nullptr);
        if (pxTCPRequestClient == socket_)
            prvvWithdrawRequest();
        socket_ = nullptr;
    }
    qDebug() << QStringLiteral("~%1").arg(QLatin1String("ScadaServer"));
}

quint16 ScadaServer::port()
{
    constexpr quint16 kDefaultPort = 502;
    const QString text = qEnvironmentVariable("RVK_SCADA_PORT");
    if (text.isEmpty())
        return kDefaultPort;
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (ok && port > 0 && port <= 65535)
        return static_cast<quint16>(port);
    qWarning().noquote() << QStringLiteral("ScadaServer: RVK_SCADA_PORT \"%1\" is not a port from 1 to 65535; "
                                           "listening on %2")
                                .arg(text)
                                .arg(kDefaultPort);
    return kDefaultPort;
}

bool ScadaServer::init(quint16 port)
{
    if (isListening())
        close();
    return listen(QHostAddress::Any, port);
}

void ScadaServer::incomingConnection(qintptr socketDescriptor)
{
    QString note;
    if (socket_) {
        ScadaSocket* old = socket_;
        forgetSocket();
        old->abort();
        old->deleteLater();
        if (replacementLog_.admit(nowMs(), &note))
            qDebug().noquote() << QStringLiteral("ScadaServer: socketDestroyed, replaced by a new connection") + note;
    }
    if (connectionLog_.admit(nowMs(), &note))
        qDebug().noquote() << QStringLiteral("ScadaServer: New incoming connection: %1").arg(socketDescriptor) + note;
    auto* socket = new ScadaSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        qWarning() << "ScadaServer: cannot take the connection:" << socket->errorString();
        delete socket;
        return;
    }
    socket->setReadBufferSize(kSocketBufferMax);
    socket_ = socket;
    connect(socket, &QObject::destroyed, this, &ScadaServer::socketDestroyed);
}

void ScadaServer::socketDestroyed()
{
    if (sender() != socket_)
        return;
    forgetSocket();
    QString note;
    if (disconnectionLog_.admit(nowMs(), &note))
        qDebug().noquote() << QStringLiteral("ScadaServer: socketDestroyed") + note;
}

void ScadaServer::logBadHeader(int bytes)
{
    QString note;
    if (badHeaderLog_.admit(nowMs(), &note))
        qWarning().noquote() << QStringLiteral("ScadaSocket: bad MBAP header, dropping %1 bytes").arg(bytes) + note;
}

qint64 ScadaServer::nowMs() const
{
    const auto* map = qobject_cast<const Scada*>(parent());
    return (map ? map->clock() : ScadaClock::system())->nowMs();
}

void ScadaServer::forgetSocket()
{
    // A request of the old client must not be answered to the next one.
    if (pxTCPRequestClient && pxTCPRequestClient == socket_)
        prvvWithdrawRequest();
    socket_ = nullptr;
}

ScadaSocket::ScadaSocket(QObject* parent)
    : QTcpSocket(parent)
{
    connect(this, &QTcpSocket::readyRead, this, &ScadaSocket::slotReceivePacket);
    connect(this, &QTcpSocket::disconnected, this, &QObject::deleteLater);
}

ScadaSocket::~ScadaSocket()
{
    // The server logs the disconnection (once a minute at most); nothing per socket here.
    if (pxTCPRequestClient == this)
        prvvWithdrawRequest();
}

void ScadaSocket::slotReceivePacket()
{
    auto* server = qobject_cast<ScadaServer*>(parent());
    if (!server || server->socket() != this || server != pxTCPServer) {
        // A replaced client, or a server the engine does not serve: its bytes are not requests.
        readAll();
        return;
    }
    readStream();
    takeRequest();
}

void ScadaSocket::readStream()
{
    if (streamLen_ >= kStreamMax || bytesAvailable() <= 0)
        return;
    const qint64 n = read(stream_ + streamLen_, kStreamMax - streamLen_);
    if (n > 0)
        streamLen_ += static_cast<int>(n);
}

void ScadaSocket::dropFront(int n)
{
    streamLen_ -= n;
    if (streamLen_ > 0)
        std::memmove(stream_, stream_ + n, static_cast<size_t>(streamLen_));
}

void ScadaSocket::takeRequest()
{
    if (pxTCPRequestClient)
        return;
    // Bounded: each pass consumes a frame or returns.
    for (int pass = 0; pass < kStreamMax; ++pass) {
        readStream();
        uint16_t frameLen = 0;
        const auto* data = reinterpret_cast<const uint8_t*>(stream_);
        switch (eMBTCPScanFrame(data, static_cast<size_t>(streamLen_), &frameLen)) {
        case MB_TCP_SCAN_INCOMPLETE:
            return;
        case MB_TCP_SCAN_INVALID:
            if (auto* server = qobject_cast<ScadaServer*>(parent()))
                server->logBadHeader(streamLen_);
            streamLen_ = 0;
            readAll();
            return;
        case MB_TCP_SCAN_FOREIGN:
            dropFront(frameLen);
            continue;
        case MB_TCP_SCAN_FRAME:
            std::memcpy(aucTCPBuf, data, frameLen);
            usTCPBufPos = frameLen;
            dropFront(frameLen);
            pxTCPRequestClient = this;
            xMBPortEventPost(EV_FRAME_RECEIVED);
            return;
        }
    }
}

bool xMBTCPPortInit(uint16_t usTCPPort)
{
    Scada* scada = Scada::engineMap();
    ScadaServer* server = scada ? scada->server() : nullptr;
    if (!server)
        return false;
    prvvWithdrawRequest();
    pxTCPServer = server;
    if (!server->init(usTCPPort)) {
        qWarning() << "ScadaServer: cannot listen on port" << usTCPPort << server->errorString();
        pxTCPServer = nullptr;
        return false;
    }
    return true;
}

void vMBTCPPortClose()
{
    qCritical() << "vMBTCPPortClose";
}

void vMBTCPPortDisable()
{
    qCritical() << "vMBTCPPortDisable";
}

bool xMBTCPPortGetRequest(uint8_t** ppucMBTCPFrame, uint16_t* pusTCPLength)
{
    *ppucMBTCPFrame = aucTCPBuf;
    *pusTCPLength = usTCPBufPos;
    usTCPBufPos = 0;
    return true;
}

bool xMBTCPPortSendResponse(const uint8_t* pucMBTCPFrame, uint16_t usTCPLength)
{
    ScadaServer* server = pxTCPServer;
    ScadaSocket* socket = server ? server->socket() : nullptr;
    // Only the client that asked gets the answer.
    if (!socket || socket != pxTCPRequestClient || socket->state() != QAbstractSocket::ConnectedState)
        return false;
    const char* data = reinterpret_cast<const char*>(pucMBTCPFrame);
    qint64 length = usTCPLength;
#ifdef Q_OS_UNIX
    // With nothing queued the answer goes to the kernel at once; only what does not fit is buffered.
    if (socket->bytesToWrite() == 0) {
        const ssize_t sent = ::send(static_cast<int>(socket->socketDescriptor()), data, static_cast<size_t>(length),
                                    MSG_DONTWAIT | MSG_NOSIGNAL);
        if (sent == length)
            return true;
        if (sent > 0) {
            data += sent;
            length -= sent;
        }
    }
#endif
    const qint64 written = socket->write(data, length);
    socket->flush();
    return written == length;
}

void vMBTCPPortRequestDone()
{
    pxTCPRequestClient = nullptr;
    ScadaServer* server = pxTCPServer;
    if (ScadaSocket* socket = server ? server->socket() : nullptr)
        socket->takeRequest();
}
