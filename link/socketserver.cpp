#include "link/socketserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QtDebug>

#include "app/mainapplication.h"
#include "link/spidriver.h"

SocketServer::SocketServer(qintptr socketDescriptor, QObject* parent)
    : QObject(parent), descriptor_(socketDescriptor)
{
}

SocketServer::~SocketServer() = default;

void SocketServer::process()
{
    socket_ = new QTcpSocket(this);
    if (!socket_->setSocketDescriptor(descriptor_)) {
        qWarning() << "SocketServer: cannot take the client:" << socket_->errorString();
        emit signalFinished();
        return;
    }
    // Nothing is defined for what the client sends; drop it so the buffer does not grow.
    connect(socket_, &QTcpSocket::readyRead, socket_, [this] { socket_->readAll(); });
    connect(socket_, &QTcpSocket::disconnected, this, &SocketServer::signalFinished);
    if (MainApplication* app = MainApplication::getInstance()) {
        if (SpiDriver* spi = app->spiDriver()) {
            connect(this, &SocketServer::signalEventRead, spi, &SpiDriver::slotEventRead);
            connect(spi, &SpiDriver::signalNewEvent, this, &SocketServer::slotNewEvent);
            connect(spi, &SpiDriver::signalSpiResiveLogCompress, this, &SocketServer::slotSpiResiveLogCompress);
        }
    }
    qDebug() << "SocketServer: service client" << socket_->peerAddress().toString() << "connected";
}

void SocketServer::slotNewEvent(QByteArray eventLog)
{
    Q_UNUSED(eventLog)
    ++eventsReceived_;
}

void SocketServer::slotSpiResiveLogCompress(QByteArray headerPkt, QByteArray log)
{
    Q_UNUSED(headerPkt)
    Q_UNUSED(log)
}
