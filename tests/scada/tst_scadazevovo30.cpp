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
        setTimeZone("UTC");
        mirror();
    }

    void computedRegisters_data()
    {
        readColumns();
        readRow("status: running, DHS link", "13=2;401=0;15=1;703=1;39=5", 256, 1, "0051");
        readRow("status: and meter link", "13=2;15=1;703=1;39=5;704=1;705=2", 256, 1, "00d1");
        readRow("status: links without devices", "633=3;401=4;703=1;704=1", 256, 1, "0026");
        readRow("trips: only p875", "635=1;875=1;44=1", 257, 2, "00018000");
        readRow("trips: p635 0", "875=1;44=1", 257, 2, "00000000");
        readRow("stop reason while running", "13=2;535=20", 259, 1, "0006");
        readRow("stop reason unlisted", "535=155", 259, 1, "002e");
        readRow("last stop p534", "534=#1741010709", 260, 3, "1903030e0509");
        readRow("DHS type 1", "39=1", 301, 1, "0009");
        readRow("DHS type 13", "39=13", 301, 1, "0004");
        readRow("DHS type 14", "39=14", 301, 1, "0000");
        readRow("DHS type 23", "39=23", 301, 1, "0004");
        readRow("DHS type 24", "39=24", 301, 1, "0000");
        readRow("clock p562", "562=#1741010709", 346, 3, "1903030e0509");
        readRow("clock p562 again", "562=#1741010709", 634, 3, "1903030e0509");
        readRow("turbine action 2", "178=2", 578, 1, "0001");
        readRow("door action 1", "402=1;178=0", 591, 1, "0001");
        readRow("phase action 3", "103=3", 619, 1, "0001");
        readRow("phase action off", "402=1", 619, 1, "0000");
        readRow("maintenance off", "475=1;688=5", 598, 1, "0000");
        readRow("maintenance quantity 0", "474=3;477=12", 598, 1, "0001");
        readRow("maintenance quantity 1", "474=3;475=1", 598, 1, "0002");
        readRow("maintenance 2, sensor at the outlet", "474=3;475=2;1215=1", 598, 1, "0004");
        readRow("maintenance 2, sensor at the inlet", "474=3;475=2", 598, 1, "0006");
        readRow("maintenance quantity 9", "474=3;475=9", 598, 1, "000b");
        readRow("maintenance quantity 5", "474=3;475=5", 598, 1, "0000");
        readRow("maintained value off", "475=1;688=5", 601, 1, "0000");
        readRow("maintained value p688", "474=3;475=1;688=-12;477=5", 601, 1, "fff4");
        readRow("maintained value p1481", "474=3;475=9;1481=77", 601, 1, "004d");
        readRow("frequency rate 14 / 10", "465=50;466=35.5;467=10", 643, 1, "008c");
        readRow("frequency rate without a period", "465=50;466=35.5", 643, 1, "0000");
    }

    void computedRegisters()
    {
        Map map;
        checkRead(map);
    }

    void writes_data()
    {
        writeColumns();
        writeRow("setting 544", "", 544, {450}, 0, "720=450/3");
        writeRow("slave address 248", "", 628, {248}, 2, "");
        writeRow("maintenance 5", "", 598, {5}, 0, "475=2/3;1215=1/3;474=3/3");
        writeRow("maintenance 6", "", 598, {6}, 0, "475=2/3;1215=0/3;474=3/3");
        writeRow("maintenance 3", "", 598, {3}, 0, "475=1/3;474=3/3");
        writeRow("maintenance 11", "", 598, {11}, 0, "475=9/3;474=3/3");
        writeRow("maintenance 0", "", 598, {0}, 0, "474=0/3");
        writeRow("maintenance 7", "", 598, {7}, 2, "");
        writeRow("turbine action on", "", 578, {1}, 0, "178=3/1");
        writeRow("turbine action off", "", 578, {0}, 0, "178=0/1");
        writeRow("door action on", "", 591, {1}, 0, "402=3/1");
        writeRow("phase action on", "", 619, {1}, 0, "103=3/1");
        writeRow("maintained value -12", "475=1", 601, {65524}, 0, "688=-12/1");
        writeRow("maintained value 0 of quantity 0", "", 601, {40}, 0, "477=40/1");
        writeRow("maintained value of quantity 5", "475=5", 601, {1}, 2, "");
        writeRow("frequency rate 2", "465=50;466=35.5", 643, {200}, 0, "467=7/3");
        writeRow("day 3, hour 14", "562=#1740837909", 347, {3 * 256 + 14}, 0, "562=1741010709/3");
        writeRow("whole clock, second copy", "562=#1738312200", 634, {25 * 256 + 2, 15 * 256 + 9, 10 * 256 + 11}, 0,
                 "562=1739610611/3");
        writeRow("clock, day 32", "562=#1738312200", 347, {32 * 256}, 2, "");
        writeRow("reserved 604", "", 604, {0}, 2, "");
        writeRow("status 256", "", 256, {0}, 2, "");
    }

    void writes()
    {
        Map map;
        checkWrite(map, {562});
    }
};

RVK_TEST_MAIN(TestScadaZevovo30)
#include "tst_scadazevovo30.moc"
