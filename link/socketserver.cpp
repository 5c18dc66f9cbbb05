#include "link/socketserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QtDebug>

#include "link/spidriver.h"

SocketServer::SocketServer(qintptr socketDescriptor, SpiDriver* spi, QObject* parent)
    : QObject(parent), descriptor_(socketDescriptor), spi_(spi)
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
    if (spi_) {
        connect(this, &SocketServer::signalEventRead, spi_, &SpiDriver::slotEventRead);
        connect(spi_, &SpiDriver::signalNewEvent, this, &SocketServer::slotNewEvent);
        connect(spi_, &SpiDriver::signalSpiResiveLogCompress, this, &SocketServer::slotSpiResiveLogCompress);
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
