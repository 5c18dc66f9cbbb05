#include "scada/scada_ri_zovo.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaRiZovo
{
public:
    Map()
    {
        attach(mirror());
        buildTable();
    }
};

using Words = QVector<quint16>;

} // namespace

class TestScadaRiZovo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    // The values that the map computes into rows first .. first + count - 1.
    void computedRegisters_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<quint16>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("computed");
        QTest::newRow("block flag 3") << QByteArray("633=3;13=2") << quint16(412) << 2 << QByteArray("1 1");
        QTest::newRow("block flag 2, stopped") << QByteArray("633=2") << quint16(412) << 2 << QByteArray("0 0");
        QTest::newRow("digital input 1 in both bits") << QByteArray("24=1;25=1") << quint16(2080) << 1
                                                      << QByteArray("3");
        QTest::newRow("digital input 1 off") << QByteArray("25=1") << quint16(2080) << 1 << QByteArray("0");
        QTest::newRow("idle time 90061 s") << QByteArray("529=90061") << quint16(2091) << 4
                                           << QByteArray("0 1 1 1");
        QTest::newRow("run time 86399 s") << QByteArray("526=86399;529=60") << quint16(2103) << 4
                                          << QByteArray("0 59 23 0");
        QTest::newRow("stop current 110 % of 42.5 A") << QByteArray("155=110;10017=42.5") << quint16(705) << 1
                                                      << QByteArray("46");
        QTest::newRow("stop current of a negative setpoint") << QByteArray("155=-10;10017=42.5") << quint16(705) << 1
                                                             << QByteArray("0");
        QTest::newRow("stop current without rated current") << QByteArray("155=110") << quint16(705) << 1
                                                            << QByteArray("0");
        QTest::newRow("manual, SCADA start off") << QByteArray() << quint16(741) << 1 << QByteArray("1");
        QTest::newRow("manual, SCADA start on") << QByteArray("2087=1") << quint16(741) << 1 << QByteArray("0");
        QTest::newRow("automatic") << QByteArray("15=1") << quint16(741) << 1 << QByteArray("0");
        QTest::newRow("input 1 block") << QByteArray("824=4;825=20;275=8;277=16;268=2;2113=1") << quint16(783) << 6
                                       << QByteArray("25 3 0 0 75 2");
        QTest::newRow("input 1 without a scale") << QByteArray("824=5;825=5;275=8;2113=3") << quint16(787) << 2
                                                 << QByteArray("0 2");
        QTest::newRow("input 2 block") << QByteArray("828=0;829=10;290=1;292=9;283=1;2114=2") << quint16(791) << 6
                                       << QByteArray("10 2 0 0 90 3");
        QTest::newRow("input 3 block") << QByteArray("832=0;833=200;305=50;307=150;298=5;2115=0") << quint16(799)
                                       << 6 << QByteArray("25 5 0 0 75 0");
        QTest::newRow("input 4 block") << QByteArray("836=-10;837=10;320=-5;322=5;313=3;2116=2") << quint16(807)
                                       << 6 << QByteArray("25 2 0 0 75 3");
        QTest::newRow("analog input 1 in use") << QByteArray("823=1;822=3") << quint16(826) << 1 << QByteArray("1");
        QTest::newRow("analog input 1 without a parameter") << QByteArray("823=1") << quint16(826) << 1
                                                            << QByteArray("0");
    }

    void computedRegisters()
    {
        QFETCH(QByteArray, values);
        QFETCH(quint16, first);
        QFETCH(int, count);
        QFETCH(QByteArray, computed);
        Map map;
        setMirror(values);
        map.calcParamsStart();
        QByteArrayList got;
        for (int k = 0; k < count; ++k)
            got << QByteArray::number(map.parameter(static_cast<quint16>(first + k))->value, 'g', 6);
        QCOMPARE(got.join(' '), computed);
    }

    void writes_data()
    {
        writeColumns();
        writeRow("rated current 123.4 A", "", 703, {1234}, 0, "10017=123.4/3");
        writeRow("stop current 50 A of 50 A", "10017=50", 705, {500}, 0, "155=100/3");
        writeRow("stop current without rated current", "", 705, {500}, 2, "");
        writeRow("input 1 minimum 50 %", "824=4;825=20", 783, {50}, 0, "275=12/3");
        writeRow("input 4 maximum 25 %", "836=0;837=200", 811, {25}, 0, "322=50/3");
        writeRow("action code 3", "", 788, {3}, 0, "2113=2/3");
        writeRow("action code 1", "", 796, {1}, 0, "2114=1/3");
        writeRow("action code 0", "", 808, {0}, 0, "313=0/3");
        writeRow("action code 4", "", 788, {4}, 2, "");
        writeRow("plain row", "", 502, {9}, 0, "");
        writeRow("a run with a stop current of the old rated current", "10017=50", 703, {600, 2, 500}, 0,
                 "10017=60/3;155=100/3");
        writeRow("a run ending in a refused stop current", "", 703, {600, 2, 500}, 2, "");
        writeRow("read-only 2044", "", 2044, {1}, 2, "");
        writeRow("no register size, 412", "", 412, {1}, 2, "");
    }

    void writes()
    {
        Map map;
        checkWrite(map);
    }

    void registersOnTheWire()
    {
        Map map;
        setMirror("155=110;10017=42.5;1654=100000;1655=7");
        map.calcParamsStart();
        QCOMPARE(read(map, 705, 1), QByteArray("01cc"));
        QCOMPARE(read(map, 2210, 4), QByteArray("000186a000000007"));
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 2211)");
        QCOMPARE(read(map, 2211, 2), QByteArray("err1"));
        // A second miss within the minute is only counted.
        QCOMPARE(read(map, 600, 1), QByteArray("err1"));
        QCOMPARE(read(map, 412, 1), QByteArray("err2"));
        // A plain row keeps what a master wrote; a range 0...3 refuses 4.
        QCOMPARE(write(map, 704, {3}), MB_ERR_NONE);
        QCOMPARE(write(map, 704, {4}), MB_ERR_INVALID);
        map.calcParamsStart();
        QCOMPARE(read(map, 704, 1), QByteArray("0003"));
    }
};

RVK_TEST_MAIN(TestScadaRiZovo)
#include "tst_scadarizovo.moc"
