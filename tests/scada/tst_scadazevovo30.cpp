#include <ctime>

#include "scada/scada_region_3_0.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaZevovo30
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

class TestScadaZevovo30 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
        mirror();
    }

    void computedRegisters_data()
    {
        readColumns();
        QTest::newRow("status: running, DHS link") << QByteArray("13=2;401=0;15=1;703=1;39=5") << quint16(256)
                                                   << quint16(1) << QByteArray("0051");
        QTest::newRow("status: and meter link") << QByteArray("13=2;15=1;703=1;39=5;704=1;705=2") << quint16(256)
                                                << quint16(1) << QByteArray("00d1");
        QTest::newRow("status: links without devices") << QByteArray("633=3;401=4;703=1;704=1") << quint16(256)
                                                       << quint16(1) << QByteArray("0026");
        QTest::newRow("trips: only p875") << QByteArray("635=1;875=1;44=1") << quint16(257) << quint16(2)
                                          << QByteArray("00018000");
        QTest::newRow("trips: p635 0") << QByteArray("875=1;44=1") << quint16(257) << quint16(2)
                                       << QByteArray("00000000");
        QTest::newRow("stop reason while running") << QByteArray("13=2;535=20") << quint16(259) << quint16(1)
                                                   << QByteArray("0006");
        QTest::newRow("stop reason unlisted") << QByteArray("535=155") << quint16(259) << quint16(1)
                                              << QByteArray("002e");
        QTest::newRow("last stop p534") << QByteArray("534=#1741010709") << quint16(260) << quint16(3)
                                        << QByteArray("1903030e0509");
        QTest::newRow("DHS type 1") << QByteArray("39=1") << quint16(301) << quint16(1) << QByteArray("0009");
        QTest::newRow("DHS type 13") << QByteArray("39=13") << quint16(301) << quint16(1) << QByteArray("0004");
        QTest::newRow("DHS type 14") << QByteArray("39=14") << quint16(301) << quint16(1) << QByteArray("0000");
        QTest::newRow("DHS type 23") << QByteArray("39=23") << quint16(301) << quint16(1) << QByteArray("0004");
        QTest::newRow("DHS type 24") << QByteArray("39=24") << quint16(301) << quint16(1) << QByteArray("0000");
        QTest::newRow("clock p562") << QByteArray("562=#1741010709") << quint16(346) << quint16(3)
                                    << QByteArray("1903030e0509");
        QTest::newRow("clock p562 again") << QByteArray("562=#1741010709") << quint16(634) << quint16(3)
                                          << QByteArray("1903030e0509");
        QTest::newRow("turbine action 2") << QByteArray("178=2") << quint16(578) << quint16(1) << QByteArray("0001");
        QTest::newRow("door action 1") << QByteArray("402=1;178=0") << quint16(591) << quint16(1)
                                       << QByteArray("0001");
        QTest::newRow("phase action 3") << QByteArray("103=3") << quint16(619) << quint16(1) << QByteArray("0001");
        QTest::newRow("phase action off") << QByteArray("402=1") << quint16(619) << quint16(1)
                                          << QByteArray("0000");
        QTest::newRow("maintenance off") << QByteArray("475=1;688=5") << quint16(598) << quint16(1)
                                         << QByteArray("0000");
        QTest::newRow("maintenance quantity 0") << QByteArray("474=3;477=12") << quint16(598) << quint16(1)
                                                << QByteArray("0001");
        QTest::newRow("maintenance quantity 1") << QByteArray("474=3;475=1") << quint16(598) << quint16(1)
                                                << QByteArray("0002");
        QTest::newRow("maintenance 2, sensor at the outlet") << QByteArray("474=3;475=2;1215=1") << quint16(598)
                                                             << quint16(1) << QByteArray("0004");
        QTest::newRow("maintenance 2, sensor at the inlet") << QByteArray("474=3;475=2") << quint16(598) << quint16(1)
                                                            << QByteArray("0006");
        QTest::newRow("maintenance quantity 9") << QByteArray("474=3;475=9") << quint16(598) << quint16(1)
                                                << QByteArray("000b");
        QTest::newRow("maintenance quantity 5") << QByteArray("474=3;475=5") << quint16(598) << quint16(1)
                                                << QByteArray("0000");
        QTest::newRow("maintained value off") << QByteArray("475=1;688=5") << quint16(601) << quint16(1)
                                              << QByteArray("0000");
        QTest::newRow("maintained value p688") << QByteArray("474=3;475=1;688=-12;477=5") << quint16(601)
                                               << quint16(1) << QByteArray("fff4");
        QTest::newRow("maintained value p1481") << QByteArray("474=3;475=9;1481=77") << quint16(601) << quint16(1)
                                                << QByteArray("004d");
        QTest::newRow("frequency rate 14 / 10") << QByteArray("465=50;466=35.5;467=10") << quint16(643) << quint16(1)
                                                << QByteArray("008c");
        QTest::newRow("frequency rate without a period") << QByteArray("465=50;466=35.5") << quint16(643)
                                                         << quint16(1) << QByteArray("0000");
    }

    void computedRegisters()
    {
        Map map;
        checkRead(map);
    }

    void writes_data()
    {
        writeColumns();
        QTest::newRow("setting 544") << QByteArray() << quint16(544) << Words{450} << 0 << QByteArray("720=450/3");
        QTest::newRow("slave address 248") << QByteArray() << quint16(628) << Words{248} << 2 << QByteArray();
        QTest::newRow("maintenance 5") << QByteArray() << quint16(598) << Words{5} << 0
                                       << QByteArray("475=2/3;1215=1/3;474=3/3");
        QTest::newRow("maintenance 6") << QByteArray() << quint16(598) << Words{6} << 0
                                       << QByteArray("475=2/3;1215=0/3;474=3/3");
        QTest::newRow("maintenance 3") << QByteArray() << quint16(598) << Words{3} << 0
                                       << QByteArray("475=1/3;474=3/3");
        QTest::newRow("maintenance 11") << QByteArray() << quint16(598) << Words{11} << 0
                                        << QByteArray("475=9/3;474=3/3");
        QTest::newRow("maintenance 0") << QByteArray() << quint16(598) << Words{0} << 0 << QByteArray("474=0/3");
        QTest::newRow("maintenance 7") << QByteArray() << quint16(598) << Words{7} << 2 << QByteArray();
        QTest::newRow("turbine action on") << QByteArray() << quint16(578) << Words{1} << 0
                                           << QByteArray("178=3/1");
        QTest::newRow("turbine action off") << QByteArray() << quint16(578) << Words{0} << 0
                                            << QByteArray("178=0/1");
        QTest::newRow("door action on") << QByteArray() << quint16(591) << Words{1} << 0 << QByteArray("402=3/1");
        QTest::newRow("phase action on") << QByteArray() << quint16(619) << Words{1} << 0 << QByteArray("103=3/1");
        QTest::newRow("maintained value -12") << QByteArray("475=1") << quint16(601) << Words{65524} << 0
                                              << QByteArray("688=-12/1");
        QTest::newRow("maintained value 0 of quantity 0") << QByteArray() << quint16(601) << Words{40} << 0
                                                          << QByteArray("477=40/1");
        QTest::newRow("maintained value of quantity 5") << QByteArray("475=5") << quint16(601) << Words{1} << 2
                                                        << QByteArray();
        QTest::newRow("frequency rate 2") << QByteArray("465=50;466=35.5") << quint16(643) << Words{200} << 0
                                          << QByteArray("467=7/3");
        QTest::newRow("day 3, hour 14") << QByteArray("562=#1740837909") << quint16(347) << Words{3 * 256 + 14} << 0
                                        << QByteArray("562=1741010709/3");
        QTest::newRow("whole clock, second copy") << QByteArray("562=#1738312200") << quint16(634)
                                                  << Words{25 * 256 + 2, 15 * 256 + 9, 10 * 256 + 11} << 0
                                                  << QByteArray("562=1739610611/3");
        QTest::newRow("clock, day 32") << QByteArray("562=#1738312200") << quint16(347) << Words{32 * 256} << 2
                                       << QByteArray();
        QTest::newRow("reserved 604") << QByteArray() << quint16(604) << Words{0} << 2 << QByteArray();
        QTest::newRow("status 256") << QByteArray() << quint16(256) << Words{0} << 2 << QByteArray();
    }

    void writes()
    {
        Map map;
        checkWrite(map, {562});
    }
};

RVK_TEST_MAIN(TestScadaZevovo30)
#include "tst_scadazevovo30.moc"
