#include "link/socketserverhost.h"

#include <QThread>
#include <QtDebug>

#include "link/socketserver.h"

SocketServerHost::SocketServerHost(SpiDriver* spi, QObject* parent)
    : QTcpServer(parent), spi_(spi)
{
}

SocketServerHost::~SocketServerHost()
{
    close();
    for (QThread* t : threads_) {
        t->quit();
        t->wait();
        delete t;
    }
}

bool SocketServerHost::start(quint16 port)
{
    if (!listen(QHostAddress::Any, port)) {
        qWarning() << "SocketServerHost: cannot listen on port" << port << ":" << errorString();
        return false;
    }
    return true;
}

void SocketServerHost::incomingConnection(qintptr socketDescriptor)
{
    auto* thread = new QThread;
    thread->setObjectName(QStringLiteral("service-client"));
    auto* server = new SocketServer(socketDescriptor, spi_);
    server->moveToThread(thread);
    connect(thread, &QThread::started, server, &SocketServer::process);
    connect(thread, &QThread::finished, server, &QObject::deleteLater);
    connect(server, &SocketServer::signalFinished, thread, &QThread::quit);
    connect(thread, &QThread::finished, this, [this, thread] {
        if (threads_.removeOne(thread))
            thread->deleteLater();
    });
    threads_.append(thread);
    thread->start(QThread::LowPriority);
}
