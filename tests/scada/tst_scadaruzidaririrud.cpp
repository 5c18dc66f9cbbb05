#include "scada/scada_ruzidar_irirud.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaRuzidarIrirud
{
public:
    Map() { attach(mirror()); buildTable(); }
};

} // namespace

class TestScadaRuzidarIrirud : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    // What the table states of itself: two coil rows first, then 651 register rows over 653 registers.
    void tableRows()
    {
        Map map;
        QCOMPARE(map.rowCount(), 653);
        QCOMPARE(map.startIndex(), 2);
        QCOMPARE(map.rows()[0].address, quint16(64));
        QCOMPARE(map.rows()[1].address, quint16(65));
        int types[14] = {}, placeholders = 0, reserved = 0, writable = 0, writableMirrored = 0, gaps = 0;
        for (int i = 0; i < map.rowCount(); ++i) {
            const ScadaParameter& r = map.rows()[i];
            QVERIFY(r.dataType < 14);
            ++types[r.dataType];
            placeholders += r.paramId == 0;
            reserved += r.paramId < 0;
            writable += r.operation == 2;
            writableMirrored += r.operation == 2 && r.paramId > 0;
            if (i > 2) {
                const ScadaParameter& prev = map.rows()[i - 1];
                gaps += r.address != prev.address + Scada::sizeDataFromTypeData(prev.dataType) / 2;
            }
        }
        QCOMPARE(types[4], 464);
        QCOMPARE(types[12], 123);
        QCOMPARE(types[2], 62);
        QCOMPARE(types[5], 2);
        QCOMPARE(types[7], 2);
        QCOMPARE(placeholders, 352);
        QCOMPARE(reserved, 0);
        QCOMPARE(writable, 404);
        QCOMPARE(writableMirrored, 206);
        QCOMPARE(gaps, 36);
        QCOMPARE(map.rows()[map.rowCount() - 1].address, quint16(24579));
    }

    void reads()
    {
        Map map;
        setValue(709, 400.0f);      // 5: V
        setValue(710, 0.0f);
        setValue(711, 0.0f);
        setValue(10013, 45000.0f);  // 13: W shown in kW, x0.1
        setValue(820, -5.0f);       // 21: signed
        setValue(20014, -0.5f);     // 3666: x0.001, signed
        setValue(773, 47.5f);       // 104: Hz x0.01
        map.calcParamsStart();
        QCOMPARE(read(map, 0, 8), QByteArray("00000000000000000000" "0190" "00000000"));
        QCOMPARE(read(map, 13, 1), QByteArray("01c2"));
        QCOMPARE(read(map, 21, 1), QByteArray("fffb"));
        QCOMPARE(read(map, 3666, 1), QByteArray("fe0c"));
        QCOMPARE(read(map, 104, 1), QByteArray("128e"));
        QCOMPARE(read(map, 64, 2), QByteArray("00000000"));
        QCOMPARE(read(map, 518, 4), QByteArray("0000000000000000"));
        QCOMPARE(read(map, 518, 1), QByteArray("err1"));
        QCOMPARE(read(map, 3456, 112).size(), 448);
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 45)");
        QCOMPARE(read(map, 40, 6), QByteArray("err1"));
    }

    // Every register write is refused, the table's writable rows included, and nothing reaches the controller.
    void everyWriteRefused()
    {
        Map map;
        setValue(773, 47.5f);
        map.calcParamsStart();
        WriteLog log;
        int refused = 0;
        for (int i = map.startIndex(); i < map.rowCount(); ++i) {
            const ScadaParameter& r = map.rows()[i];
            if (r.operation != 2)
                continue;
            const quint16 raw = static_cast<quint16>(static_cast<qint16>(r.min));
            refused += write(map, r.address, {raw}) == MB_ERR_INVALID;
        }
        QCOMPARE(refused, 402);  // the other two are the coil rows
        QCOMPARE(write(map, 104, {5000}), MB_ERR_INVALID);
        QCOMPARE(write(map, 99, {1, 1}), MB_ERR_INVALID);
        QCOMPARE(write(map, 5, {400}), MB_ERR_INVALID);
        QCOMPARE(log.take().size(), 0);
        QCOMPARE(read(map, 104, 1), QByteArray("128e"));
    }
};

RVK_TEST_MAIN(TestScadaRuzidarIrirud)
#include "tst_scadaruzidaririrud.moc"
