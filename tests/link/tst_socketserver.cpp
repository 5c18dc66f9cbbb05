#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "link/socketserver.h"
#include "link/socketserverhost.h"
#include "link/spidriver.h"
#include "log/log_event.h"
#include "support/simstation.h"
#include "support/testmain.h"

namespace {

// The server side of a loopback TCP connection, and the client side in `client`.
int loopbackPair(int* client)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&addr), len) != 0 || ::listen(listener, 1) != 0
        || ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(listener);
        return -1;
    }
    *client = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::connect(*client, reinterpret_cast<sockaddr*>(&addr), len) != 0) {
        ::close(listener);
        return -1;
    }
    const int server = ::accept(listener, nullptr, nullptr);
    ::close(listener);
    return server;
}

} // namespace

class TestSocketServer : public QObject
{
    Q_OBJECT
    SimStation station_{QString(), SimStation::Clock::Manual};

private slots:
    void initTestCase()
    {
        QVERIFY(station_.start());
    }

    void recordsReadForTheClientReachTheStore()
    {
        int client = -1;
        const int fd = loopbackPair(&client);
        QVERIFY(fd >= 0);
        QThread thread;
        struct Stop {
            QThread& t;
            ~Stop() { t.quit(); t.wait(5000); }
        } stop{thread};
        auto* server = new SocketServer(fd, station_.driver());
        server->moveToThread(&thread);
        connect(&thread, &QThread::started, server, &SocketServer::process);
        connect(&thread, &QThread::finished, server, &QObject::deleteLater);
        thread.start(QThread::LowPriority);

        QSignalSpy stored(station_.logEvent(), &LogEvent::signalNewEvent);
        // process() runs on the thread's start, before any queued call reaches the server.
        // Slot 0 holds serial 1, older than everything the store keeps: accepted, dropped, announced.
        QMetaObject::invokeMethod(server, "signalEventRead", Qt::QueuedConnection, Q_ARG(quint32, 0u));
        auto hasSerial1 = [&stored] {
            for (const QList<QVariant>& args : stored)
                if (LogEvent::serialOf(args.at(0).toByteArray()) == 1u)
                    return true;
            return false;
        };
        const quint64 received = server->eventsReceived();
        // The request crosses the client's thread, which a busy machine may run late: bounded in real time, the
        // link's clock moving on meanwhile.
        QVERIFY(QTest::qWaitFor([this, &hasSerial1] { return station_.advance(SpiDriver::kPollMs) && hasSerial1(); },
                                10000));
        QVERIFY(!station_.logEvent()->events().contains(1));
        // The record is on its way to the client's thread.
        QVERIFY(QTest::qWaitFor([server, received] { return server->eventsReceived() > received; }, 5000));
        ::close(client);
        thread.quit();
        QVERIFY(thread.wait(5000));
    }

    void hostGivesEachClientAThreadAndEndsIt()
    {
        SocketServerHost host(station_.driver());
        QVERIFY(host.start(0));  // an ephemeral port
        QTcpSocket a;
        QTcpSocket b;
        a.connectToHost(QHostAddress::LocalHost, host.serverPort());
        b.connectToHost(QHostAddress::LocalHost, host.serverPort());
        QVERIFY(QTest::qWaitFor([&host] { return host.clientCount() == 2; }, 5000));
        a.write("junk that has no meaning");
        a.disconnectFromHost();
        QVERIFY(QTest::qWaitFor([&host] { return host.clientCount() == 1; }, 5000));
        // b stays connected: the host's destruction ends its thread.
    }
};

RVK_TEST_MAIN(TestSocketServer)
#include "tst_socketserver.moc"
