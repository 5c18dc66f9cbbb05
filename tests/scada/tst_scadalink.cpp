#include <QElapsedTimer>
#include <QTcpServer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "scada/scada.h"
#include "scada/scadatesthelpers.h"
#include "support/manualscadaclock.h"
#include "support/modbustestclient.h"
#include "support/simstation.h"
#include "support/testmain.h"

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A plain blocking Modbus client for a thread without an event loop: reads one holding register.
class RawClient
{
public:
    explicit RawClient(quint16 port)
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = {};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval tv{1, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        ok_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }
    ~RawClient() { ::close(fd_); }
    // -1 on any failure.
    int read(quint16 address)
    {
        const unsigned char req[12] = {0, 1, 0, 0, 0, 6, 1, 3, static_cast<unsigned char>(address >> 8),
                                       static_cast<unsigned char>(address & 0xFF), 0, 1};
        if (!ok_ || ::send(fd_, req, sizeof req, 0) != static_cast<ssize_t>(sizeof req))
            return -1;
        unsigned char resp[11];
        size_t got = 0;
        while (got < sizeof resp) {
            const ssize_t n = ::recv(fd_, resp + got, sizeof resp - got, 0);
            if (n <= 0)
                return -1;
            got += static_cast<size_t>(n);
        }
        return resp[7] == 3 ? (resp[9] << 8) | resp[10] : -1;
    }

private:
    int fd_ = -1;
    bool ok_ = false;
};

} // namespace

class TestScadaLink : public QObject
{
    Q_OBJECT
private slots:
    void mapFollowsTheControllerAndWritesReachIt()
    {
        ManualScadaClock mapClock;  // outlives the map, which takes it at the end
        const quint16 port = freePort();
        qputenv("RVK_SCADA_PORT", QByteArray::number(port));
        SimStation station("578=3;580=17;1182=2;1183=484");
        QVERIFY(station.start());
        MainApplication* app = station.app();
        QVERIFY(SimStation::waitFor([app] { return app->scada() != nullptr; }));
        QVERIFY(SimStation::waitFor([port] { return RawClient(port).read(579) == 17; }, 3000));

        // The controller changes a value; a master polling the register sees it soon after the mirror.
        for (int round = 0; round < 5; ++round) {
            const int target = 30 + round;
            std::atomic<qint64> seenAt{-1};
            QElapsedTimer clock;
            clock.start();
            std::thread poller([port, target, &seenAt, &clock] {
                RawClient client(port);
                while (clock.elapsed() < 5000) {
                    if (client.read(579) == target) {
                        seenAt = clock.elapsed();
                        return;
                    }
                    QThread::msleep(2);
                }
            });
            station.sim()->setValue(580, static_cast<float>(target));
            const bool mirrored = SimStation::waitForValue(580, static_cast<float>(target), 3000);
            const qint64 mirroredAt = clock.elapsed();
            SimStation::waitFor([&seenAt] { return seenAt >= 0; }, 3000);
            poller.join();
            QVERIFY(mirrored);
            QVERIFY(seenAt >= 0);
            qInfo("change %d: mirror after %lld ms, register after %lld ms", round, mirroredAt, seenAt.load());
            QVERIFY2(seenAt - mirroredAt <= 200, "register later than 200 ms after the mirror");
        }

        // A master's write goes to the controller as a SCADA write, and reads back once applied.
        scadatest::WriteLog log;
        ModbusTestClient master(port);
        QVERIFY(master.connectToServer());
        QCOMPARE(master.transact("060243002a"), QByteArray("060243002a"));
        QVERIFY(SimStation::waitFor([&log] { return !log.writes.isEmpty(); }));
        QCOMPARE(log.writes[0].id, quint16(580));
        QCOMPARE(log.writes[0].raw, Common::floatBits(42.0f));
        QCOMPARE(log.writes[0].eventType, 3);
        QVERIFY(SimStation::waitForValue(580, 42.0f));
        QTRY_COMPARE_WITH_TIMEOUT(master.transact("0302430001"), QByteArray("0302002a"), 5000);

        // Software blocks are answered once the controller took them.
        const int before = station.sim()->softwareBlocks();
        QByteArray write = QByteArray::fromHex("15") + char(7 + 81 * 2) + QByteArray::fromHex("06" "0009" "0000" "0051");
        for (int i = 0; i < 81 * 2; ++i)
            write.append(char(i));
        // The main thread keeps serving the link while the SCADA thread waits for the controller.
        master.send(ModbusTestClient::frame(2, 1, write));
        QTcpSocket& socket = master.socket();
        QVERIFY(SimStation::waitFor([&socket] { return socket.waitForReadyRead(1) || socket.bytesAvailable() > 0; }, 6000));
        QCOMPARE(master.receive(7 + write.size()).mid(7).toHex(), write.toHex());
        QCOMPARE(station.sim()->softwareBlocks(), before + 2);
        QCOMPARE(station.sim()->softwareFile(9).size(), 81 * 2);

        // Without the controller a log slice times out as busy, after 5 s of the map's clock.
        station.stop();
        Scada* map = app->scada();
        QMetaObject::invokeMethod(map, [map, &mapClock] { map->setClock(&mapClock); }, Qt::BlockingQueuedConnection);
        const QByteArray slice = master.transact("140706" "0000" "0000" "0079", 3, 1, 7000);
        QCOMPARE(slice, QByteArray("9406"));
        QCOMPARE(mapClock.nowMs(), qint64(Scada::kWaitControllerMs));
        // And the next request is served normally.
        QCOMPARE(master.transact("0302430001"), QByteArray("0302002a"));

        // A write that the controller never confirms reads back as written until the time-out on the map's
        // clock, then as the mirror has it.
        QCOMPARE(master.transact("060243002b"), QByteArray("060243002b"));
        QCOMPARE(master.transact("0302430001"), QByteArray("0302002b"));
        // Refreshes run on the map's thread meanwhile; its clock stands still, so the written value must hold
        // (a busy machine only looks less long).
        QTest::qWait(250);
        QCOMPARE(master.transact("0302430001"), QByteArray("0302002b"));
        mapClock.advance(Scada::kWriteHoldMs);
        QTRY_COMPARE_WITH_TIMEOUT(master.transact("0302430001"), QByteArray("0302002a"), 5000);
        app->quitScada();
    }
};

RVK_TEST_MAIN(TestScadaLink)
#include "tst_scadalink.moc"
