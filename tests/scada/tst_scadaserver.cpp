#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "scada/scadaserver.h"
#include "support/manualscadaclock.h"
#include "support/modbustestclient.h"
#include "support/scadatestmap.h"
#include "support/testmain.h"

namespace {

// The log lines of the SCADA server and its map, from any thread, while an object of this lives.
class ScadaLog
{
public:
    ScadaLog() { previous_ = qInstallMessageHandler(&ScadaLog::handle); }
    ~ScadaLog() { qInstallMessageHandler(previous_); }
    static QStringList lines()
    {
        QMutexLocker locker(&lock_);
        return lines_;
    }
    static void clear()
    {
        QMutexLocker locker(&lock_);
        lines_.clear();
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.startsWith(QLatin1String("Scada"))) {
            QMutexLocker locker(&lock_);
            lines_.append(message);
        } else if (previous_) {
            previous_(type, context, message);
        }
    }
    static QtMessageHandler previous_;
    static QMutex lock_;
    static QStringList lines_;
};
QtMessageHandler ScadaLog::previous_ = nullptr;
QMutex ScadaLog::lock_;
QStringList ScadaLog::lines_;

// Opens a loopback connection and closes it at once.
bool connectAndClose(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

} // namespace

// The Modbus TCP stack through a socket: function codes, limits, framing and client replacement.
class TestScadaServer : public QObject
{
    Q_OBJECT
private:
    quint16 port_ = 0;

    static QByteArray lastCallName()
    {
        const auto calls = ScadaTestMap::current()->takeCalls();
        return calls.isEmpty() ? QByteArray() : calls.last().name;
    }

private slots:
    void initTestCase()
    {
        port_ = startScadaTestServer();
        QVERIFY(port_ != 0);
        QVERIFY(ScadaTestMap::current());
    }

    void cleanupTestCase() { MainApplication::getInstance()->quitScada(); }

    void init()
    {
        ScadaTestMap::current()->setPaused(false);
        ScadaTestMap::current()->takeCalls();
        ScadaTestMap::current()->resetRegs();
    }

    void idsAreEchoed_data()
    {
        QTest::addColumn<int>("tid");
        QTest::addColumn<int>("uid");
        QTest::newRow("uid 0") << 0x002A << 0;
        QTest::newRow("uid 1") << 0x1234 << 1;
        QTest::newRow("uid 255, tid ffff") << 0xFFFF << 255;
    }
    void idsAreEchoed()
    {
        QFETCH(int, tid);
        QFETCH(int, uid);
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        c.send(ModbusTestClient::frame(quint16(tid), quint8(uid), QByteArray::fromHex("0300640002")));
        const QByteArray resp = c.receive(13);
        QByteArray expected = ModbusTestClient::frame(quint16(tid), quint8(uid), QByteArray::fromHex("030400640065"));
        QCOMPARE(resp.toHex(), expected.toHex());
    }

    void functionCodes_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QByteArray>("call");  // last map call, "" when none may run

        // Reads and their limits.
        QTest::newRow("03 one") << QByteArray("0300000001") << QByteArray("03020000") << QByteArray();
        QTest::newRow("03 qty 0") << QByteArray("0300000000") << QByteArray("8303") << QByteArray();
        QTest::newRow("03 qty 126") << QByteArray("030000007e") << QByteArray("8303") << QByteArray();
        QTest::newRow("03 qty 257") << QByteArray("0300000101") << QByteArray("8303") << QByteArray();
        QTest::newRow("03 length 6") << QByteArray("030000000100") << QByteArray("8303") << QByteArray();
        QTest::newRow("03 absent") << QByteArray("0303e80001") << QByteArray("8302") << QByteArray();
        QTest::newRow("03 busy") << QByteArray("0303de0001") << QByteArray("8306") << QByteArray();
        QTest::newRow("03 error 9") << QByteArray("0303df0001") << QByteArray("8304") << QByteArray();
        QTest::newRow("03 address ffff") << QByteArray("03ffff0001") << QByteArray("8302") << QByteArray();
        QTest::newRow("04 qty 126") << QByteArray("040000007e") << QByteArray("8403") << QByteArray();
        QTest::newRow("04 two") << QByteArray("0400070002") << QByteArray("040400070008") << QByteArray();
        QTest::newRow("01 qty 2000") << QByteArray("01000007d0") << QByteArray("8102") << QByteArray();
        QTest::newRow("01 qty 2001") << QByteArray("01000007d1") << QByteArray("8103") << QByteArray();
        QTest::newRow("01 qty 0") << QByteArray("0100000000") << QByteArray("8103") << QByteArray();
        QTest::newRow("02 qty 2000") << QByteArray("02000007d0") << QByteArray("8202") << QByteArray();
        QTest::newRow("02 qty 2001") << QByteArray("02000007d1") << QByteArray("8203") << QByteArray();
        // Writes.
        QTest::newRow("05 on") << QByteArray("050000ff00") << QByteArray("050000ff00") << QByteArray("writeCoils");
        QTest::newRow("05 00ff") << QByteArray("05000000ff") << QByteArray("8503") << QByteArray();
        QTest::newRow("05 1200") << QByteArray("0500001200") << QByteArray("8503") << QByteArray();
        QTest::newRow("05 absent") << QByteArray("050100ff00") << QByteArray("8502") << QByteArray();
        QTest::newRow("06") << QByteArray("060005abcd") << QByteArray("060005abcd") << QByteArray("writeReg");
        QTest::newRow("06 short") << QByteArray("060005ab") << QByteArray("8603") << QByteArray();
        QTest::newRow("0f 9 coils") << QByteArray("0f0000000902ff01") << QByteArray("0f00000009")
                                    << QByteArray("writeCoils");
        QTest::newRow("0f 9 coils, byte count 1") << QByteArray("0f0000000901ff") << QByteArray("8f03") << QByteArray();
        QTest::newRow("0f data short") << QByteArray("0f0000000902ff") << QByteArray("8f03") << QByteArray();
        QTest::newRow("0f qty 1969") << QByteArray("0f000007b1f7") + QByteArray(2 * 247, 'f') << QByteArray("8f03")
                                     << QByteArray();
        QTest::newRow("10 two") << QByteArray("1000100002041111 2222").replace(" ", "") << QByteArray("1000100002")
                                << QByteArray("writeReg");
        QTest::newRow("10 byte count 3") << QByteArray("1000100002031111 22").replace(" ", "") << QByteArray("9003")
                                         << QByteArray();
        QTest::newRow("10 qty 121") << QByteArray("10000000 79f2").replace(" ", "") + QByteArray(242 * 2, '0')
                                    << QByteArray("9003") << QByteArray();
        QTest::newRow("10 qty 120") << QByteArray("10000000 78f0").replace(" ", "") + QByteArray(240 * 2, '0')
                                    << QByteArray("1000000078") << QByteArray("writeReg");
        // Read/write multiple: the write runs first, the read sees it.
        QTest::newRow("17") << QByteArray("17 0020 0002 0020 0001 02 beef").replace(" ", "")
                            << QByteArray("1704beef0021") << QByteArray("writeReg");
        QTest::newRow("17 9 bytes") << QByteArray("170020000200200001").replace(" ", "") << QByteArray("9703")
                                    << QByteArray();
        QTest::newRow("17 write qty 122") << QByteArray("17 0000 0001 0000 007a f4").replace(" ", "")
                + QByteArray(244 * 2, '0') << QByteArray("9703") << QByteArray();
        QTest::newRow("17 read qty 126") << QByteArray("17 0000 007e 0000 0001 02 0000").replace(" ", "")
                                         << QByteArray("9703") << QByteArray();
        QTest::newRow("17 read fails after write") << QByteArray("17 03e7 0002 0030 0001 02 0102").replace(" ", "")
                                                   << QByteArray("9702") << QByteArray("writeReg");
        // Others.
        QTest::newRow("11 empty store") << QByteArray("11") << QByteArray("1100") << QByteArray();
        QTest::newRow("unknown 07") << QByteArray("07") << QByteArray("8701") << QByteArray();
        QTest::newRow("unknown 00") << QByteArray("00") << QByteArray("8001") << QByteArray();
        QTest::newRow("unknown 7f") << QByteArray("7f0102") << QByteArray("ff01") << QByteArray();
        QTest::newRow("2b basic") << QByteArray("2b0e0100") << QByteArray("2b0e0101000001000454455354")
                                  << QByteArray("readInfo");
        QTest::newRow("2b code 2") << QByteArray("2b0e0200") << QByteArray("ab04") << QByteArray("readInfo");
        QTest::newRow("2b 5 bytes") << QByteArray("2b0e010000") << QByteArray("ab03") << QByteArray();
        QTest::newRow("41 nothing") << QByteArray("410001") << QByteArray("41") << QByteArray("commandLog");
        QTest::newRow("41 answer") << QByteArray("410002") << QByteArray("414f4b") << QByteArray("commandLog");
        QTest::newRow("41 4 bytes") << QByteArray("41000100") << QByteArray("c103") << QByteArray();
        QTest::newRow("42 n 4") << QByteArray("42000000100004") << QByteArray("4204a0a10000") << QByteArray("readLog");
        QTest::newRow("42 n 0") << QByteArray("42000000100000") << QByteArray("c203") << QByteArray();
        QTest::newRow("42 n 201") << QByteArray("420000001000c9") << QByteArray("c203") << QByteArray();
        QTest::newRow("14 n 122") << QByteArray("14070600000000007a") << QByteArray("9403") << QByteArray();
        QTest::newRow("14 two sub-requests") << QByteArray("140e0600000000000106000100000001")
                                             << QByteArray("9403") << QByteArray();
        QTest::newRow("14 beyond log") << QByteArray("14070600ff00000079") << QByteArray("9404")
                                       << QByteArray("readFileRecord");
        QTest::newRow("15 two regs") << QByteArray("150b06000100000002aabbccdd")
                                     << QByteArray("150b06000100000002aabbccdd") << QByteArray("softwareWrite");
        QTest::newRow("15 ref 7") << QByteArray("150b07000100000002aabbccdd") << QByteArray("9503") << QByteArray();
        QTest::newRow("15 byte count short") << QByteArray("150a06000100000002aabbccdd") << QByteArray("9503")
                                             << QByteArray();
        QTest::newRow("15 10 regs, 18 bytes") << QByteArray("151b060001000000 0a").replace(" ", "")
                + QByteArray(36, '1') << QByteArray("9503") << QByteArray();
        QTest::newRow("15 length 8000") << QByteArray("150b06000100008000aabbccdd") << QByteArray("9503")
                                        << QByteArray();
    }
    void functionCodes()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, response);
        QFETCH(QByteArray, call);
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        QCOMPARE(c.transact(request), response);
        QCOMPARE(lastCallName(), call);
    }

    void largestAnswers()
    {
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        QByteArray expected = "03fa";
        for (int i = 0; i < 125; ++i)
            expected += QByteArray::number(0x100 + i, 16).rightJustified(4, '0');
        QCOMPARE(c.transact("030100007d"), expected);
        // 0x42 with 200 bytes: the half the map did not fill is zeros, not request bytes.
        const QByteArray log = c.transact("420000000000c8");
        QCOMPARE(log.size(), 2 * 202);
        QCOMPARE(log.left(8), QByteArray("42c8a0a1"));
        QCOMPARE(log.mid(4 + 200), QByteArray(200, '0'));
        const auto calls = ScadaTestMap::current()->takeCalls();
        QCOMPARE(calls.last().address, 1u);
    }

    void writesReachTheMap()
    {
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        QCOMPARE(c.transact("05003fff00"), QByteArray("05003fff00"));
        QCOMPARE(c.transact("05003f0000"), QByteArray("05003f0000"));
        QCOMPARE(c.transact("1001f4000204a1b2c3d4"), QByteArray("1001f40002"));
        auto calls = ScadaTestMap::current()->takeCalls();
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls[0].address, 64u);  // PDU address + 1
        QCOMPARE(calls[0].data.toHex(), QByteArray("01"));
        QCOMPARE(calls[1].data.toHex(), QByteArray("00"));
        QCOMPARE(calls[2].address, 501u);
        QCOMPARE(ScadaTestMap::current()->reg(500), uint16_t(0xa1b2));
        QCOMPARE(ScadaTestMap::current()->reg(501), uint16_t(0xc3d4));
        // 0x15 hands over file, record, length and the data as carried.
        QCOMPARE(c.transact("150b06000700050002aabbccdd"), QByteArray("150b06000700050002aabbccdd"));
        calls = ScadaTestMap::current()->takeCalls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].address, (7u << 16) | 5u);
        QCOMPARE(calls[0].count, 2u);
        QCOMPARE(calls[0].data.toHex(), QByteArray("aabbccdd"));
    }

    void fileRecordPaging()
    {
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        // File 3 of 10 registers: bytes 60..79 of the source.
        QByteArray expected = "14161506";
        for (int i = 0; i < 20; ++i)
            expected += QByteArray::number(60 + i, 16).rightJustified(2, '0');
        QCOMPARE(c.transact("14070600030000000a"), expected);
        const auto calls = ScadaTestMap::current()->takeCalls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].address, 60u);
        QCOMPARE(calls[0].count, 20u);
        // Record length 121: the lengths 244, 243 and reference type 6.
        const QByteArray full = c.transact("140706000000000079");
        QCOMPARE(full.left(8), QByteArray("14f4f306"));
        QCOMPARE(full.size(), 2 * 246);
    }

    void framing()
    {
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        const QByteArray a = ModbusTestClient::frame(0x0101, 1, QByteArray::fromHex("0300010001"));
        const QByteArray b = ModbusTestClient::frame(0x0202, 1, QByteArray::fromHex("0300020001"));
        const QByteArray ra = ModbusTestClient::frame(0x0101, 1, QByteArray::fromHex("03020001"));
        const QByteArray rb = ModbusTestClient::frame(0x0202, 1, QByteArray::fromHex("03020002"));

        // One request in two segments. The pauses only space the segments: on a busy machine they may arrive
        // together, the easier case, and the answer is the same.
        c.send(a.left(4));
        QTest::qWait(60);
        c.send(a.mid(4));
        QCOMPARE(c.receive(ra.size()).toHex(), ra.toHex());

        // Byte by byte.
        for (char ch : a) {
            c.send(QByteArray(1, ch));
            QTest::qWait(2);
        }
        QCOMPARE(c.receive(ra.size()).toHex(), ra.toHex());

        // Three requests in one arrival: all answered, in order.
        c.send(a + b + a);
        QCOMPARE(c.receive(3 * ra.size()).toHex(), (ra + rb + ra).toHex());

        // A request, then the start of the next: the first is answered, the rest completes later.
        c.send(a + b.left(9));
        QCOMPARE(c.receive(ra.size()).toHex(), ra.toHex());
        c.send(b.mid(9));
        QCOMPARE(c.receive(rb.size()).toHex(), rb.toHex());
    }

    void burstPastTheReceiveWindow()
    {
        // 20 writes of 120 registers, 5060 bytes at once: more than the server takes in one go.
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        QByteArray burst, answers;
        QList<QByteArray> written;
        for (int i = 0; i < 20; ++i) {
            QByteArray pdu = QByteArray::fromHex("1000000078f0");
            QByteArray data;
            for (int k = 0; k < 120; ++k) {
                const quint16 v = static_cast<quint16>(i * 1000 + k);
                data.append(static_cast<char>(v >> 8)).append(static_cast<char>(v & 0xFF));
            }
            written << data;
            burst += ModbusTestClient::frame(static_cast<quint16>(0x100 + i), 1, pdu + data);
            answers += ModbusTestClient::frame(static_cast<quint16>(0x100 + i), 1, QByteArray::fromHex("1000000078"));
        }
        QVERIFY(burst.size() > ScadaSocket::kStreamMax);
        c.send(burst);
        QCOMPARE(c.receive(answers.size(), 10000).toHex(), answers.toHex());
        const auto calls = ScadaTestMap::current()->takeCalls();
        QCOMPARE(calls.size(), 20);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(calls[i].data.toHex(), written[i].toHex());
        QCOMPARE(ScadaTestMap::current()->reg(119), uint16_t(19119));
    }

    void malformedInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("response");  // expected PDU, "" when nothing may come back
        QTest::addColumn<bool>("sameConnection");  // whether the connection can still be followed
        auto f = [](const char* pdu) { return ModbusTestClient::frame(0x0101, 1, QByteArray::fromHex(pdu)); };
        QTest::newRow("truncated MBAP") << QByteArray::fromHex("000100000006") << QByteArray() << false;
        QTest::newRow("length 0") << QByteArray::fromHex("00010000000001") << QByteArray() << true;
        QTest::newRow("length 1") << QByteArray::fromHex("00010000000101") << QByteArray() << true;
        QTest::newRow("length 300") << QByteArray::fromHex("000100000" "12c01")
                + QByteArray(299, '\x03') << QByteArray() << true;
        QTest::newRow("protocol 1") << QByteArray::fromHex("000100010006010300000001") << QByteArray() << true;
        QTest::newRow("264 bytes of junk") << QByteArray(264, '\xff') << QByteArray() << true;
        QTest::newRow("unknown function 0x2a") << f("2a0000") << QByteArray("aa01") << true;
        QTest::newRow("read count 0") << f("0300000000") << QByteArray("8303") << true;
        QTest::newRow("read count 126") << f("030000007e") << QByteArray("8303") << true;
        QTest::newRow("coil count 2001") << f("01000007d1") << QByteArray("8103") << true;
        QTest::newRow("byte count 4 for 1 register") << f("100000000104aaaabbbb") << QByteArray("9003") << true;
        QTest::newRow("byte count 1 for 9 coils") << f("0f0000000901ff") << QByteArray("8f03") << true;
        QTest::newRow("byte count past the frame") << f("100000000204aaaa") << QByteArray("9003") << true;
        QTest::newRow("0x17 write count 0x8000") << f("17000000010000800002aaaa") << QByteArray("9703") << true;
    }
    void malformedInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, response);
        QFETCH(bool, sameConnection);
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        c.send(bytes);
        if (response.isEmpty()) {
            QCOMPARE(c.receive(1, 150), QByteArray());
        } else {
            const QByteArray header = c.receive(7);
            QCOMPARE(header.left(4).toHex(), QByteArray("01010000"));
            QCOMPARE(c.receive(response.size() / 2).toHex(), response);
        }
        // The server answers the next good request.
        ModbusTestClient other(port_);
        ModbusTestClient& next = sameConnection ? c : other;
        if (!sameConnection)
            QVERIFY(other.connectToServer());
        QCOMPARE(next.transact("0300050001", 7), QByteArray("03020005"));
    }

    void foreignFrameKeepsQueuedRequests()
    {
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        // The pauses only space the arrivals; arrivals taken together are framed the same way.
        ScadaTestMap::current()->setPaused(true);
        QTest::qWait(50);
        const QByteArray good = ModbusTestClient::frame(9, 1, QByteArray::fromHex("0300060001"));
        const QByteArray foreign = ModbusTestClient::frame(8, 1, QByteArray::fromHex("0300060001"), 1);
        c.send(good + foreign + good);
        QTest::qWait(50);
        c.send(QByteArray::fromHex("0001000000ff"));  // length 255: cannot be followed
        QTest::qWait(50);
        ScadaTestMap::current()->setPaused(false);
        const QByteArray resp = ModbusTestClient::frame(9, 1, QByteArray::fromHex("03020006"));
        QCOMPARE(c.receive(2 * resp.size()).toHex(), (resp + resp).toHex());
        QCOMPARE(c.receive(1, 150), QByteArray());
    }

    void secondClientTakesOver()
    {
        ModbusTestClient a(port_);
        QVERIFY(a.connectToServer());
        QCOMPARE(a.transact("0300010001"), QByteArray("03020001"));

        // A's request waits in the engine when B arrives: it must never be answered to B. (Should A's request
        // come in only after B on a busy machine, it is dropped with A, and B's answer is the same.)
        ScadaTestMap::current()->setPaused(true);
        QTest::qWait(50);
        a.send(ModbusTestClient::frame(0xAAAA, 1, QByteArray::fromHex("0300010001")));
        QTest::qWait(100);
        ModbusTestClient b(port_);
        QVERIFY(b.connectToServer());
        QVERIFY(a.waitForClosed());
        QTest::qWait(50);
        ScadaTestMap::current()->setPaused(false);
        QCOMPARE(b.transact("0300020001", 0xBBBB), QByteArray("03020002"));
        QCOMPARE(b.receive(1, 150), QByteArray());

        // B stays served after A's socket is gone; a third client replaces B.
        QTest::qWait(50);
        QCOMPARE(b.transact("0300030001", 0xBBBC), QByteArray("03020003"));
        ModbusTestClient c(port_);
        QVERIFY(c.connectToServer());
        QVERIFY(b.waitForClosed());
        QCOMPARE(c.transact("0300040001"), QByteArray("03020004"));
    }

    void slowRequestOfReplacedClient()
    {
        // The map blocks 300 ms in the read; B connects meanwhile and must get only its own answer. (Should B come
        // before the read began on a busy machine, the answer is the same.)
        ModbusTestClient a(port_);
        QVERIFY(a.connectToServer());
        a.send(ModbusTestClient::frame(0xAAAA, 1, QByteArray::fromHex("0303e00001")));
        QTest::qWait(100);
        ModbusTestClient b(port_);
        QVERIFY(b.connectToServer());
        QCOMPARE(b.transact("0300020001", 0xBBBB), QByteArray("03020002"));
        QCOMPARE(b.receive(1, 100), QByteArray());
    }

    // A master that reconnects in a loop: a connection, a replacement and a disconnection are each logged at
    // most once a minute of the map's clock, the next line with the count of those kept back; requests log
    // nothing.
    void reconnectsAreLoggedOnceAMinute()
    {
        ManualScadaClock clock;
        clock.advance(3600 * 1000);  // past any line of the earlier tests
        ScadaTestMap* map = ScadaTestMap::current();
        QMetaObject::invokeMethod(map, [map, &clock] { map->setClock(&clock); }, Qt::BlockingQueuedConnection);
        ScadaLog log;
        ScadaLog::clear();
        for (int i = 0; i < 2000; ++i)
            QVERIFY(connectAndClose(port_));
        {
            // Connections are taken in order: once this one is answered, every one before it was taken.
            ModbusTestClient last(port_);
            QVERIFY(last.connectToServer());
            for (int i = 0; i < 20; ++i)
                QCOMPARE(last.transact("0300010001"), QByteArray("03020001"));
        }
        const QStringList lines = ScadaLog::lines();
        QVERIFY2(lines.size() <= 3, qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(lines.filter(QStringLiteral("New incoming connection")).size(), 1);

        clock.advance(60 * 1000);
        ModbusTestClient next(port_);
        QVERIFY(next.connectToServer());
        QCOMPARE(next.transact("0300010001"), QByteArray("03020001"));
        const QStringList later = ScadaLog::lines().mid(lines.size());
        QCOMPARE(later.filter(QStringLiteral("New incoming connection")).size(), 1);
        QVERIFY2(later.filter(QStringLiteral("New incoming connection")).first().endsWith(
                     QLatin1String(" (2000 more not logged)")),
                 qPrintable(later.join(QLatin1Char('\n'))));
        QMetaObject::invokeMethod(map, [map] { map->setClock(nullptr); }, Qt::BlockingQueuedConnection);
    }

    void aWrongPortSettingIsNamed_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("warned");
        QTest::newRow("not a number") << QByteArray("abc") << 502 << true;
        QTest::newRow("above 65535") << QByteArray("70000") << 502 << true;
        QTest::newRow("negative") << QByteArray("-1") << 502 << true;
        QTest::newRow("0") << QByteArray("0") << 502 << true;
        QTest::newRow("a port") << QByteArray("1502") << 1502 << false;
        QTest::newRow("unset") << QByteArray() << 502 << false;
    }

    void aWrongPortSettingIsNamed()
    {
        QFETCH(QByteArray, setting);
        QFETCH(int, port);
        QFETCH(bool, warned);
        const QByteArray saved = qgetenv("RVK_SCADA_PORT");
        if (setting.isEmpty())
            qunsetenv("RVK_SCADA_PORT");
        else
            qputenv("RVK_SCADA_PORT", setting);
        ScadaLog log;
        ScadaLog::clear();
        const quint16 used = ScadaServer::port();
        qputenv("RVK_SCADA_PORT", saved);
        QCOMPARE(int(used), port);
        const QStringList expected = warned ? QStringList{QStringLiteral(
                                                  "ScadaServer: RVK_SCADA_PORT \"%1\" is not a port from 1 to "
                                                  "65535; listening on 502")
                                                                     .arg(QString::fromLatin1(setting))}
                                            : QStringList();
        QCOMPARE(ScadaLog::lines(), expected);
    }

    void clientGoneBeforeAnswer()
    {
        {
            ModbusTestClient a(port_);
            QVERIFY(a.connectToServer());
            a.send(ModbusTestClient::frame(1, 1, QByteArray::fromHex("0303e00001")));
            QTest::qWait(50);
            a.socket().abort();
        }
        // Past the slow read (B's own answer waits for it in any case, within its bound).
        QTest::qWait(400);
        ModbusTestClient b(port_);
        QVERIFY(b.connectToServer());
        QCOMPARE(b.transact("0300020001"), QByteArray("03020002"));
    }
};

RVK_TEST_MAIN(TestScadaServer)
#include "tst_scadaserver.moc"
