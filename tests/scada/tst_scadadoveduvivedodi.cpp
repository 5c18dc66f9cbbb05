#include "scada/scada_doveduvivedodi.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaDoveduvivedodi
{
public:
    Map() { attach(mirror()); buildTable(); }
};

// The writes sent towards the controller as "id=value", each checked for event type 3.
QByteArray sent(WriteLog& log)
{
    QByteArrayList out;
    for (const Write& w : log.take()) {
        if (w.eventType != 3)
            return "event type " + QByteArray::number(w.eventType);
        out << QByteArray::number(w.id) + '=' + QByteArray::number(Common::bitsFloat(w.raw), 'g', 6);
    }
    return out.join(' ');
}

eMBErrorCode writeRegs(Scada& map, quint16 address, const QVector<quint16>& regs)
{
    QByteArray buffer;
    for (quint16 r : regs)
        buffer.append(static_cast<char>(r >> 8)).append(static_cast<char>(r & 0xFF));
    return map.writeReg(reinterpret_cast<uint8_t*>(buffer.data()), address + 1, static_cast<uint16_t>(regs.size()));
}

} // namespace

class TestScadaDoveduvivedodi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    // What the table states of itself: one row for each register 0-255 and its eight stop-only rows.
    void tableRows()
    {
        Map map;
        QCOMPARE(map.rowCount(), 256);
        int ops[4] = {}, types[13] = {}, mirrored = 0, placeholders = 0, reserved = 0;
        QVector<int> stopOnly;
        for (int i = 0; i < map.rowCount(); ++i) {
            const ScadaParameter& r = map.rows()[i];
            QCOMPARE(int(r.address), i);
            QVERIFY(r.operation >= 1 && r.operation <= 3 && r.dataType <= 12);
            ++ops[r.operation];
            ++types[r.dataType];
            mirrored += r.paramId > 0;
            placeholders += r.paramId == 0;
            reserved += r.paramId < 0;
            if (r.operation == 3)
                stopOnly << r.address;
        }
        QCOMPARE(stopOnly, (QVector<int>{137, 138, 182, 183, 184, 185, 188, 198}));
        QCOMPARE(ops[1], 119);
        QCOMPARE(ops[2], 129);
        QCOMPARE(types[4], 222);
        QCOMPARE(types[12], 31);
        QCOMPARE(types[2], 3);
        QCOMPARE(mirrored, 165);
        QCOMPARE(placeholders, 39);
        QCOMPARE(reserved, 52);
    }

    void reads()
    {
        Map map;
        setValue(9, 0.87f);       // 5: x0.001
        setValue(15009, -5.0f);   // 10: signed temperature
        setValue(137, 600.0f);    // 104: seconds shown in minutes
        setValue(10017, 12.3f);   // 183: x0.1
        setValue(511, 2.5f);      // 130: x0.001
        static int misses;
        misses = 0;
        QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
            if (m.contains(QLatin1String("not found Register")))
                ++misses;
        });
        map.parameter(20)->value = 7.0f;
        map.calcParamsStart();
        qInstallMessageHandler(previous);
        QCOMPARE(misses, 0);

        QCOMPARE(read(map, 5, 1), QByteArray("0366"));
        QCOMPARE(read(map, 10, 1), QByteArray("fffb"));
        QCOMPARE(read(map, 20, 1), QByteArray("0000"));
        QCOMPARE(read(map, 104, 1), QByteArray("000a"));
        QCOMPARE(read(map, 130, 1), QByteArray("09c4"));
        QCOMPARE(read(map, 183, 1), QByteArray("007b"));
        QCOMPARE(read(map, 143, 8), QByteArray(32, '0'));
        QCOMPARE(read(map, 0, 125).size(), 500);
        QCOMPARE(read(map, 125, 125).size(), 500);
        QCOMPARE(read(map, 250, 6).size(), 24);
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 256)");
        QCOMPARE(read(map, 250, 7), QByteArray("err1"));
    }

    void writes_data()
    {
        QTest::addColumn<float>("state");  // parameter 13: 0 stopped
        QTest::addColumn<int>("address");
        QTest::addColumn<QVector<quint16>>("regs");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QByteArray>("writes");
        QTest::newRow("start") << 0.0f << 229 << QVector<quint16>{1} << true << QByteArray("593=1");
        QTest::newRow("stop") << 2.0f << 230 << QVector<quint16>{1} << true << QByteArray("592=1");
        QTest::newRow("unblock, start, stop") << 0.0f << 228 << QVector<quint16>{1, 0, 0} << true
                                              << QByteArray("774=1 593=0 592=0");
        QTest::newRow("command 2") << 0.0f << 229 << QVector<quint16>{2} << false << QByteArray();
        QTest::newRow("password 1") << 0.0f << 225 << QVector<quint16>{4321} << true << QByteArray("573=4321");
        QTest::newRow("top of the default range") << 0.0f << 124 << QVector<quint16>{9999} << true
                                                  << QByteArray("728=9999");
        QTest::newRow("above the default range") << 0.0f << 124 << QVector<quint16>{10000} << false << QByteArray();
        QTest::newRow("minutes to seconds") << 0.0f << 104 << QVector<quint16>{20} << true << QByteArray("137=1200");
        QTest::newRow("placeholder") << 0.0f << 46 << QVector<quint16>{1} << false << QByteArray();
        QTest::newRow("reserved") << 0.0f << 241 << QVector<quint16>{1} << false << QByteArray();
        QTest::newRow("read-only") << 0.0f << 0 << QVector<quint16>{1} << false << QByteArray();
        QTest::newRow("run ending in a placeholder") << 0.0f << 44 << QVector<quint16>{0, 5, 1}
                                                     << false << QByteArray();
        QTest::newRow("run of settings") << 0.0f << 47 << QVector<quint16>{12, 7, 30} << true
                                         << QByteArray("170=1.2 80=0.7 185=30");
        // Ranges in the value's units: 0.001...9.999 at x0.001, 3...200 Hz at x0.1, power factor 0...1.
        QTest::newRow("x0.001 lowest") << 0.0f << 130 << QVector<quint16>{1} << true << QByteArray("511=0.001");
        QTest::newRow("x0.001 highest") << 0.0f << 136 << QVector<quint16>{9999} << true << QByteArray("510=9.999");
        QTest::newRow("x0.001 zero") << 0.0f << 133 << QVector<quint16>{0} << false << QByteArray();
        QTest::newRow("x0.001 above") << 0.0f << 134 << QVector<quint16>{10000} << false << QByteArray();
        QTest::newRow("3 Hz") << 0.0f << 235 << QVector<quint16>{30} << true << QByteArray("10002=3");
        QTest::newRow("200 Hz") << 0.0f << 235 << QVector<quint16>{2000} << true << QByteArray("10002=200");
        QTest::newRow("below 3 Hz") << 0.0f << 235 << QVector<quint16>{29} << false << QByteArray();
        QTest::newRow("above 200 Hz") << 0.0f << 235 << QVector<quint16>{2001} << false << QByteArray();
        // Motor data (operation 3) is never written over Modbus, the station stopped or running.
        QTest::newRow("183 stopped") << 0.0f << 183 << QVector<quint16>{150} << false << QByteArray();
        QTest::newRow("137 stopped") << 0.0f << 137 << QVector<quint16>{1} << false << QByteArray();
        QTest::newRow("183 running") << 2.0f << 183 << QVector<quint16>{150} << false << QByteArray();
        QTest::newRow("motor data run, stopped") << 0.0f << 182 << QVector<quint16>{1000, 150, 630, 850} << false
                                                 << QByteArray();
        QTest::newRow("setting and motor data, stopped") << 0.0f << 181 << QVector<quint16>{3, 1000} << false
                                                         << QByteArray();
        QTest::newRow("setting and motor data, running") << 2.0f << 181 << QVector<quint16>{3, 1000} << false
                                                         << QByteArray();
    }

    void writes()
    {
        QFETCH(float, state);
        QFETCH(int, address);
        QFETCH(QVector<quint16>, regs);
        QFETCH(bool, accepted);
        QFETCH(QByteArray, writes);
        Map map;
        setValue(13, state);
        for (int i = 0; i < regs.size(); ++i) {
            const int a = address + i;
            if (map.parameter(static_cast<quint16>(a))->paramId > 0)
                setValue(static_cast<quint16>(map.parameter(static_cast<quint16>(a))->paramId), 1.0f);
        }
        map.calcParamsStart();
        const QByteArray before = read(map, static_cast<quint16>(address), static_cast<quint16>(regs.size()));
        WriteLog log;
        QCOMPARE(writeRegs(map, static_cast<quint16>(address), regs), accepted ? MB_ERR_NONE : MB_ERR_INVALID);
        QCOMPARE(sent(log), writes);
        if (!accepted)
            QCOMPARE(read(map, static_cast<quint16>(address), static_cast<quint16>(regs.size())), before);
        setValue(13, 0.0f);
    }
};

RVK_TEST_MAIN(TestScadaDoveduvivedodi)
#include "tst_scadadoveduvivedodi.moc"
