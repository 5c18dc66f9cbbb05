#include <cmath>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "scada/scada_valdrin.h"
#include "scada/scadafactory.h"
#include "scada/scadatesthelpers.h"
#include "support/manualscadaclock.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaValdrin
{
public:
    Map()
    {
        attach(mirror());
        buildTable();
        bindEngine();
    }
};

// Every parameter the computed registers read, and those the tests give values to.
const quint16 kInputs[] = {
    13, 14, 15, 39, 532, 534, 535, 550, 562, 570, 585, 586, 587, 633, 782, 843, 886, 10228, 178, 499, 955, 494,
    474, 455, 483, 464, 447, 43, 58, 73, 103, 148, 118, 133, 163, 238, 208, 918, 936, 223, 253, 388, 402, 417,
    328, 343, 358, 373, 88, 193, 268, 283, 298, 313, 44, 59, 74, 239, 209, 224, 179, 403, 418, 329, 344, 359,
    374, 968, 269, 284, 299, 314, 937, 1182, 1183,
};

// "id=value;id=#hex": float values, or raw words after '#'.
void apply(const QByteArray& list)
{
    for (quint16 id : kInputs)
        setRaw(id, 0);
    for (const QByteArray& item : list.split(';')) {
        const QList<QByteArray> kv = item.split('=');
        if (kv.size() != 2)
            continue;
        const quint16 id = static_cast<quint16>(kv[0].toUInt());
        if (kv[1].startsWith('#'))
            setRaw(id, kv[1].mid(1).toUInt(nullptr, 16));
        else
            setValue(id, kv[1].toFloat());
    }
}

// The time zone of the board for one test.
class Zone
{
public:
    explicit Zone(const char* tz)
    {
        const char* old = std::getenv("TZ");
        hadOld_ = old != nullptr;
        old_ = hadOld_ ? old : "";
        setenv("TZ", tz, 1);
        tzset();
    }
    ~Zone()
    {
        if (hadOld_)
            setenv("TZ", old_.constData(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool hadOld_ = false;
    QByteArray old_;
};

// Writes as "id=value" (a float within 1e-5 relative), "id=#hex" (that raw word), with "@e" for an
// event type other than 3; true when `writes` are exactly these, in order.
bool sameWrites(const QVector<Write>& writes, const QByteArray& expected, QByteArray* got)
{
    QByteArrayList out;
    for (const Write& w : writes)
        out << QByteArray::number(w.id) + "=#" + QByteArray::number(w.raw, 16) + '@' + QByteArray::number(w.eventType);
    *got = out.join(';');
    const QList<QByteArray> items = expected.isEmpty() ? QList<QByteArray>() : expected.split(';');
    if (items.size() != writes.size())
        return false;
    for (int i = 0; i < items.size(); ++i) {
        QList<QByteArray> at = items[i].split('@');
        const int eventType = at.size() > 1 ? at[1].toInt() : 3;
        const QList<QByteArray> kv = at[0].split('=');
        const Write& w = writes[i];
        if (w.id != kv[0].toUInt() || w.eventType != eventType)
            return false;
        if (kv[1].startsWith('#')) {
            if (w.raw != kv[1].mid(1).toUInt(nullptr, 16))
                return false;
        } else {
            const double want = kv[1].toDouble();
            if (std::fabs(Common::bitsFloat(w.raw) - want) > 1e-5 * std::max(1.0, std::fabs(want)))
                return false;
        }
    }
    return true;
}

// One PDU through the Modbus engine: the response PDU as hex.
QByteArray execute(const QByteArray& pduHex)
{
    QByteArray frame(256, '\0');
    const QByteArray pdu = QByteArray::fromHex(pduHex);
    std::copy(pdu.begin(), pdu.end(), frame.begin());
    uint16_t len = static_cast<uint16_t>(pdu.size());
    vMBExecute(reinterpret_cast<uint8_t*>(frame.data()), &len);
    return frame.left(len).toHex();
}

QByteArray le32(quint32 v)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

// A reply header of the controller for `count` bytes at `offset`.
QByteArray replyHeader(quint32 offset, quint32 count)
{
    return QByteArray::fromHex("00ffff") + le32(offset) + le32(count) + le32(count);
}

// The simulated log: byte i is i * 7 + 3.
QByteArray logBytes(quint32 offset, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out.append(static_cast<char>(((offset + static_cast<quint32>(i)) * 7 + 3) & 0xFF));
    return out;
}

} // namespace

class TestScadaValdrin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    void tableShape()
    {
        Map map;
        QCOMPARE(map.rowCount(), 892);
        QCOMPARE(map.rows()[0].address, quint16(64));
        QCOMPARE(map.rows()[0].paramId, qint16(593));
        QCOMPARE(map.rows()[1].address, quint16(65));
        QCOMPARE(map.rows()[1].paramId, qint16(592));
        QCOMPARE(map.rows()[2].address, quint16(0));
        QCOMPARE(map.startIndex(), 2);
        int mirrored = 0, computed = 0, reserved = 0;
        QVector<int> writableReserved;
        for (int i = 0; i < map.rowCount(); ++i) {
            const ScadaParameter& r = map.rows()[i];
            QVERIFY2(i < 2 || r.dataType != 7, qPrintable(QString::number(r.address)));
            mirrored += r.paramId > 0;
            computed += r.paramId == 0;
            reserved += r.paramId < 0;
            if (r.paramId < 0 && r.operation == 2)
                writableReserved << r.address;
        }
        QCOMPARE(mirrored, 373);
        QCOMPARE(computed, 41);
        QCOMPARE(reserved, 478);
        QCOMPARE(writableReserved, (QVector<int>{147, 175, 221, 223, 225, 227, 249, 253, 257, 259, 260, 337, 339,
                                                 359, 483, 552}));
        QVERIFY(ScadaFactory::has(1));

        // A refresh reaches a row for every computed register.
        QCOMPARE(refreshMisses(map), 0);
    }

    // Mirrored registers by their columns, and what a master sees where two rows meet.
    void reads_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("registers");
        QTest::newRow("x0.1") << QByteArray("10002=50") << 11 << 1 << QByteArray("01f4");
        QTest::newRow("x0.01 two registers") << QByteArray("541=1000") << 141 << 2 << QByteArray("000186a0");
        QTest::newRow("hours of seconds") << QByteArray("527=7200") << 99 << 2 << QByteArray("00000002");
        QTest::newRow("signed energy") << QByteArray("20028=-12.3") << 943 << 2 << QByteArray("ffffff85");
        QTest::newRow("temperature below 0") << QByteArray("10246=-5.5") << 43 << 1 << QByteArray("ffc9");
        QTest::newRow("kOhm of Ohm") << QByteArray("11=2500") << 25 << 1 << QByteArray("0003");
        QTest::newRow("raw date-time setting") << QByteArray("1658=#67c5b715") << 894 << 2 << QByteArray("67c5b715");
        QTest::newRow("log state and size") << QByteArray("1182=2;1183=70000") << 4096 << 4
                                            << QByteArray("0002" "0000" "00011170");
        QTest::newRow("4099 alone") << QByteArray("1183=70000") << 4099 << 1 << QByteArray("0000");
        QTest::newRow("185 both words") << QByteArray("10151=12.34") << 185 << 2 << QByteArray("000004d2");
        QTest::newRow("186 its own row") << QByteArray("10151=12.34") << 186 << 1 << QByteArray("0000");
        QTest::newRow("187 behind 185") << QByteArray("10151=1;10152=2") << 185 << 4
                                        << QByteArray("00000064" "000000c8");
        QTest::newRow("493 both words, then 495") << QByteArray("940=70000;942=10800") << 493 << 3
                                                  << QByteArray("00011170" "0003");
        QTest::newRow("494 its own row") << QByteArray("940=70000;944=3.5") << 494 << 1 << QByteArray("015e");
        QTest::newRow("first word alone") << QByteArray() << 185 << 1 << QByteArray("err1");
        QTest::newRow("second word without a row") << QByteArray() << 28 << 1 << QByteArray("err1");
        QTest::newRow("coil address") << QByteArray() << 64 << 1 << QByteArray("err2");
        QTest::newRow("65 register row, kVA") << QByteArray("20009=123456000") << 65 << 2 << QByteArray("0001e240");
        QTest::newRow("reserved") << QByteArray() << 147 << 1 << QByteArray("0000");
        QTest::newRow("after 999") << QByteArray() << 1000 << 1 << QByteArray("err1");
    }

    void reads()
    {
        QFETCH(QByteArray, values);
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(QByteArray, registers);
        Map map;
        apply(values);
        map.calcParamsStart();
        // A register without a row is also logged.
        QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const QByteArray got = read(map, static_cast<quint16>(address), static_cast<quint16>(count));
        qInstallMessageHandler(previous);
        QCOMPARE(got, registers);
    }

    // Computed registers from chosen mirror values; "reg=hex" for each register read.
    void computed_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<QByteArray>("registers");
        auto row = [](const char* name, const char* values, const char* registers, const char* zone = "UTC0") {
            QTest::newRow(name) << QByteArray(zone) << QByteArray(values) << QByteArray(registers);
        };
        row("stopped", "13=0", "2=0000;3=0004");
        row("running", "13=2", "2=0001;3=0001");
        row("state 1 is not running", "13=1", "2=0001;3=0004");
        row("trip delay, running", "633=1;13=3", "3=0002");
        row("trip delay, stopped", "633=1;13=0", "3=0004");
        row("waiting for restart", "633=2;13=2", "3=0008");
        row("blocked", "633=3;13=2", "3=0010");
        row("stop 1029", "535=1029", "4=0007;97=0001");
        row("stop 1500", "535=1500", "4=0013");
        row("stop 1001", "535=1001", "4=0013");
        row("stop 3999", "535=3999", "4=0013");
        row("stop 4000", "535=4000", "4=00ff");
        row("stop -1", "535=-1", "4=00ff;95=00000000");
        row("stop 129", "535=129", "4=0081");
        row("stop 1", "535=1", "4=0000;97=0000");
        row("stop 24", "535=24", "4=0001;97=0002;95=00000000");
        row("stop 28", "535=28", "4=0002;97=0003");
        row("stop 6", "535=6", "95=00000001;4=0003");
        row("stop 41", "535=41", "95=08000000;4=001a");
        row("drive fault 2057", "535=106;843=2057", "95=80000000;4=00ff");
        row("drive fault 2024", "535=106;843=2024", "95=02000000");
        row("drive fault other", "535=106;843=5", "95=00040000");
        row("control mode 2", "15=2", "5=0001");
        row("control mode 3", "15=3", "5=0000");
        row("auto-restart: word 93", "43=2", "93=00000001;415=00000000");
        row("block: word 415", "43=1", "93=00000000;415=00000001");
        row("insulation block in both", "238=1", "93=00000400;415=00000400");
        row("start count block in both", "388=1", "93=00010000;415=00010000");
        row("phase order: word 93 only", "103=3", "93=00000008;415=00000000");
        row("phase order 1", "103=1", "93=00000000;415=00000000");
        row("turbine on, off", "178=3", "93=00000100;415=00000000;425=0001");
        row("analog input 4", "313=2;193=1", "93=40000000;415=01000000");
        row("language", "570=2", "129=0003");
        row("language beyond any", "570=3e9", "129=0000");  // 2^31, its lowest 16 bits
        row("pressure units", "585=1;586=1;587=0", "133=0004;135=0001;137=0001");
        row("pressure units 2", "585=2;586=2;587=1", "133=0001;135=0000;137=0002");
        row("pressure units 4", "585=4;587=2", "133=0003;137=0000");
        row("pressure units 5", "585=5", "133=0000;139=0000;147=0000;151=0000");
        row("motor type", "782=1", "163=0001");
        row("pwm rounded", "10228=3999.7", "189=0006");
        row("pwm 4500", "10228=4500", "189=0000");
        row("pwm 1000", "10228=1000", "189=0000");
        row("pwm 16000", "10228=16000", "189=000e");
        row("dhs 5", "39=5", "215=0002");
        row("dhs 23", "39=23", "215=0004");
        row("dhs 14", "39=14", "215=0000");
        row("dhs 18", "39=18", "215=000f");
        row("mode word", "499=1;955=1;494=1;474=1;455=-1;483=1;464=1;447=2",
            "237=681000e0;475=0001;481=0001;482=0001;485=0001;916=0001");
        row("start mode 1", "14=1", "271=00000000;560=0001000000000000");
        row("start mode 2", "14=2", "271=00000002;560=0000000000010000");
        row("start mode 3", "14=3", "271=00000001;560=0000000100000000");
        row("start mode 4", "14=4", "271=00000003;560=0000000000000001");
        row("serial numbers", "550=#deadbeef;886=#00000007", "449=deadbeef00000007");
        row("first trip", "44=1;59=1", "453=0001");
        row("first trip in order", "59=1;937=1", "453=0002");
        row("first trip 968", "968=1;937=1", "453=0012");
        row("first trip negative", "314=-1", "453=0016");
        row("no trip", "", "453=0000");
        row("stop time", "534=#67c5b715", "8=1903;10=030e;12=0509");
        row("stop time, 3 h east", "534=#67c5b715", "8=1903;10=0311", "<+03>-3");
        row("before 2000", "534=0", "8=0001;10=0100;12=0000");
        row("clock", "562=#67c5b715", "913=1903030e0509");
        row("last start", "532=#67c5b715", "992=67c5b715" "1903030e0509");
    }

    void computed()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, values);
        QFETCH(QByteArray, registers);
        Zone tz(zone.constData());
        Map map;
        apply(values);
        map.calcParamsStart();
        for (const QByteArray& item : registers.split(';')) {
            const QList<QByteArray> kv = item.split('=');
            const quint16 address = static_cast<quint16>(kv[0].toUInt());
            QCOMPARE(read(map, address, static_cast<quint16>(kv[1].size() / 4)), kv[1]);
        }
    }

    // A write by a master: the parameter writes it sends, or its refusal with nothing sent and the
    // register as it was.
    void writes_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QByteArray>("writes");  // "-": refused
        auto row = [](const char* name, const char* values, int address, const char* words, const char* writes,
                      const char* zone = "UTC0") {
            QTest::newRow(name) << QByteArray(zone) << QByteArray(values) << address << QByteArray(words)
                                << QByteArray(writes);
        };
        row("address", "", 1, "00f7", "580=247");
        row("address 0", "580=17", 1, "0000", "-");
        row("address 248", "580=17", 1, "00f8", "-");
        row("start", "", 119, "0001", "593=1");
        row("start 2", "", 119, "0002", "-");
        row("stop", "", 121, "0001", "592=1");
        row("unblock", "", 122, "0001", "774=1");
        row("scaled", "", 11, "01f4", "10002=50");
        row("hours", "", 305, "0005", "124=18000");
        row("two words", "", 185, "000004d2", "10151=12.34");
        row("185 and 187", "", 185, "00000064000000c8", "10151=1;10152=2");
        row("186 alone", "", 186, "0001", "-");
        row("493 and 494: p940 only", "", 493, "00011170", "940=70000");
        row("494 alone", "", 494, "015e", "944=3.5");
        row("raw date-time setting", "", 894, "65432101", "1658=#65432101");
        row("reserved in range", "", 147, "000a", "-");
        row("reserved out of range", "", 147, "0004", "-");
        row("reserved 552", "", 552, "0000", "-");
        row("computed read-only", "", 2, "0001", "-");
        row("log size read-only", "", 4098, "00000000", "-");
        row("three settings", "", 417, "000100020000", "43=1;58=2;73=0");
        row("three with a bad last", "43=2;58=2;73=2", 417, "000100020003", "-");
        row("motor type", "", 163, "0001", "782=1");
        row("motor type 0", "", 163, "0000", "782=0");
        row("pwm code 0", "", 189, "0000", "10228=1000");
        row("pwm code 14", "", 189, "000e", "10228=16000");
        row("pwm code 15", "10228=3000", 189, "000f", "-");
        row("dhs code 2", "", 215, "0002", "39=5");
        row("dhs code 12", "", 215, "000c", "39=2");
        row("dhs code 13", "39=5", 215, "000d", "-");
        row("turbine", "", 425, "0002", "178=3");
        row("turbine off", "", 425, "0000", "178=0");
        row("serial", "", 449, "12345678", "550=#12345678");
        row("serial 2", "", 451, "deadbeef", "886=#deadbeef");
        row("mode 474", "", 475, "0001", "474=3");
        row("mode 455", "", 481, "0001", "455=3");
        row("mode 483", "", 482, "0001", "483=3");
        row("mode 447 off", "", 485, "0000", "447=0");
        row("start modes off", "", 560, "0001", "673=0;680=0;691=0;1020=0;1012=0");
        row("start modes off with 0", "", 560, "0000", "673=0;680=0;691=0;1020=0;1012=0");
        row("start mode 680", "", 561, "0001", "680=2");
        row("start mode 673", "", 562, "0001", "673=2");
        row("start mode 1020 off", "", 563, "0000", "1020=0");
        row("mode 499 through 916", "", 916, "0003", "499=3");
        // The clock: 2025-03-03 14:05:09 UTC.
        row("year and month", "562=#67c5b715", 913, "180c", "562=#674f1015");
        row("year 2000, month kept", "562=#67c5b715", 913, "0000", "562=#38bfc695");
        row("month 0", "562=#67c5b715", 913, "1900", "-");
        row("month 13", "562=#67c5b715", 913, "190d", "-");
        row("31 February", "562=#679cd895", 913, "1902", "-");
        row("after 2106", "562=#67c5b715", 913, "6a03", "-");
        row("hour, day 0", "562=#67c5b715", 914, "0009", "562=#67c2cdc5");
        row("day 31", "562=#67c5b715", 914, "1f09", "562=#67ea5ac5");
        row("day 32", "562=#67c5b715", 914, "2009", "-");
        row("hour 24", "562=#67c5b715", 914, "0318", "-");
        row("minute and second", "562=#67c5b715", 915, "3b3b", "562=#67c5c3ef");
        row("minute 60", "562=#67c5b715", 915, "3c00", "-");
        // 14:05:09 CET to June: 14:05:09 CEST, 12:05:09 UTC.
        row("into summer time", "562=#67c5a905", 913, "1906", "562=#683ee4f5", "CET-1CEST,M3.5.0,M10.5.0/3");
        row("the hour that summer time skips", "562=#67c5a905", 914, "1e02", "-", "CET-1CEST,M3.5.0,M10.5.0/3");
        // The whole clock in one request sets it once: 2025-02-15 09:10:11.
        row("whole clock", "562=#67c5b715", 913, "19020f090a0b", "562=#67b059f3");
    }

    void writes()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, values);
        QFETCH(int, address);
        QFETCH(QByteArray, words);
        QFETCH(QByteArray, writes);
        Zone tz(zone.constData());
        Map map;
        apply(values);
        map.calcParamsStart();
        const quint16 count = static_cast<quint16>(words.size() / 4);
        const QByteArray before = read(map, static_cast<quint16>(address), count);
        WriteLog log;
        QByteArray buffer = QByteArray::fromHex(words);
        const eMBErrorCode result =
            map.writeReg(reinterpret_cast<uint8_t*>(buffer.data()), static_cast<uint16_t>(address + 1), count);
        QByteArray got;
        if (writes == "-") {
            QCOMPARE(prveMBError2Exception(result), MB_EX_SLAVE_DEVICE_FAILURE);
            QCOMPARE(log.writes.size(), 0);
            QCOMPARE(read(map, static_cast<quint16>(address), count), before);
        } else {
            QCOMPARE(result, MB_ERR_NONE);
            QVERIFY2(sameWrites(log.writes, writes, &got), got.constData());
        }
    }

    void logCommands_data()
    {
        QTest::addColumn<float>("state");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QByteArray>("writes");
        QTest::newRow("start while compressing") << 1.0f << QByteArray("410001") << QByteArray("c104") << QByteArray();
        QTest::newRow("start") << 0.0f << QByteArray("410001") << QByteArray("410001") << QByteArray("1181=1@1");
        QTest::newRow("start again, log ready") << 2.0f << QByteArray("410001") << QByteArray("410001")
                                                << QByteArray("1181=1@1");
        QTest::newRow("release") << 2.0f << QByteArray("410002") << QByteArray("41")
                                 << QByteArray("1181=0@1;1183=0@1");
        QTest::newRow("command 0") << 2.0f << QByteArray("410000") << QByteArray("c104") << QByteArray();
        QTest::newRow("command 3") << 0.0f << QByteArray("410003") << QByteArray("c104") << QByteArray();
        QTest::newRow("command 0x0101") << 0.0f << QByteArray("410101") << QByteArray("c104") << QByteArray();
    }

    void logCommands()
    {
        QFETCH(float, state);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, response);
        QFETCH(QByteArray, writes);
        Map map;
        apply("1182=" + QByteArray::number(state));
        WriteLog log;
        QCOMPARE(execute(request), response);
        QByteArray got;
        QVERIFY2(sameWrites(log.writes, writes, &got), got.constData());
    }

    // 0x42 against a controller that answers on the map's clock: `replies` are "at:offset:count" (data of
    // the simulated log; count -1 as asked), all sent for the first request.
    void readLog_data()
    {
        QTest::addColumn<float>("size");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("replies");
        QTest::addColumn<QByteArray>("header");    // the request to the controller, "" for none
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<int>("waited");
        const QByteArray h0 = "00ffff" "00000000" "0a000000" "0a000000";
        QTest::newRow("whole log") << 10.0f << QByteArray("42" "00000000" "00" "0a") << QByteArray("30:0:-1") << h0
                                   << QByteArray("420a" + logBytes(0, 10).toHex()) << 30;
        QTest::newRow("to the end") << 10.0f << QByteArray("42" "00000005" "00" "05") << QByteArray("20:5:-1")
                                    << QByteArray("00ffff" "05000000" "05000000" "05000000")
                                    << QByteArray("4205" + logBytes(5, 5).toHex()) << 20;
        QTest::newRow("past the end") << 10.0f << QByteArray("42" "00000005" "00" "06") << QByteArray()
                                      << QByteArray() << QByteArray("c204") << 0;
        QTest::newRow("no log") << 0.0f << QByteArray("42" "00000000" "00" "01") << QByteArray() << QByteArray()
                                << QByteArray("c204") << 0;
        QTest::newRow("address -1") << 10.0f << QByteArray("42" "ffffffff" "00" "01") << QByteArray() << QByteArray()
                                    << QByteArray("c204") << 0;
        QTest::newRow("offset 2^31 - 2") << 2147483648.0f << QByteArray("42" "7ffffffe" "00" "c8") << QByteArray()
                                         << QByteArray() << QByteArray("c204") << 0;
        QTest::newRow("count 0") << 10.0f << QByteArray("42" "00000000" "00" "00") << QByteArray() << QByteArray()
                                 << QByteArray("c203") << 0;
        QTest::newRow("late reply of another slice first") << 100.0f << QByteArray("42" "00000000" "00" "0a")
                                                           << QByteArray("10:50:10,40:0:-1") << h0
                                                           << QByteArray("420a" + logBytes(0, 10).toHex()) << 40;
        QTest::newRow("both in one go") << 100.0f << QByteArray("42" "00000000" "00" "0a")
                                        << QByteArray("25:50:10,25:0:-1") << h0
                                        << QByteArray("420a" + logBytes(0, 10).toHex()) << 25;
        QTest::newRow("only another slice") << 100.0f << QByteArray("42" "00000000" "00" "0a")
                                            << QByteArray("10:50:10") << h0 << QByteArray("c204") << 5000;
        QTest::newRow("short reply") << 100.0f << QByteArray("42" "00000000" "00" "0a") << QByteArray("10:0:9") << h0
                                     << QByteArray("c204") << 5000;
        QTest::newRow("at 5000 ms") << 10.0f << QByteArray("42" "00000000" "00" "0a") << QByteArray("5000:0:-1") << h0
                                    << QByteArray("420a" + logBytes(0, 10).toHex()) << 5000;
        QTest::newRow("at 5005 ms") << 10.0f << QByteArray("42" "00000000" "00" "0a") << QByteArray("5005:0:-1")
                                    << h0 << QByteArray("c204") << 5000;
    }

    void readLog()
    {
        QFETCH(float, size);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, replies);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, response);
        QFETCH(int, waited);
        Map map;
        ManualScadaClock clock;
        map.setClock(&clock);
        apply("1182=2;1183=" + QByteArray::number(static_cast<double>(size), 'f', 0));
        QByteArrayList requests;
        connect(&map, &ScadaValdrin::signalScadaRequestCompressLog, &map, [&](QByteArray h) {
            requests << h.toHex();
            for (const QByteArray& r : replies.split(',')) {
                const QList<QByteArray> f = r.split(':');
                if (f.size() != 3)
                    continue;
                const quint32 offset = f[1].toUInt();
                const int count = f[2].toInt() < 0 ? static_cast<quint8>(request.right(2).toUInt(nullptr, 16))
                                                   : f[2].toInt();
                clock.at(f[0].toInt(), [&map, offset, count] {
                    map.slotScadaResiveCompressLog(replyHeader(offset, static_cast<quint32>(count)),
                                                   logBytes(offset, count));
                });
            }
        }, Qt::DirectConnection);
        QCOMPARE(execute(request), response);
        QCOMPARE(requests.join(','), header);
        QCOMPARE(clock.nowMs(), qint64(waited));
    }

    // The reply lands from another thread while the map waits on its real clock.
    void replyFromTheSpiThread()
    {
        Map map;
        apply("1182=2;1183=400");
        std::thread controller;
        connect(&map, &ScadaValdrin::signalScadaRequestCompressLog, &map, [&](QByteArray) {
            controller = std::thread([&map] {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                map.slotScadaResiveCompressLog(replyHeader(150, 200), logBytes(150, 200));
            });
        }, Qt::DirectConnection);
        const QByteArray response = execute("42" "00000096" "00" "c8");
        controller.join();
        QCOMPARE(response, QByteArray("42c8" + logBytes(150, 200).toHex()));
    }
};

RVK_TEST_MAIN(TestScadaValdrin)
#include "tst_scadavaldrin.moc"
