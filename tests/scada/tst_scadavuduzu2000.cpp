
#include "scada/scada_vuduzu2000.h"
#include "scada/scadafactory.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaVuduzu2000
{
public:
    Map() { attach(mirror()); buildTable(); }
};

// Every parameter that the status word reads, to 0.
void clearStatus()
{
    const quint16 ids[] = {13, 633, 401, 15, 44, 59, 74, 209, 239, 224, 329, 403, 179, 104, 535,
                           89, 119, 134, 149, 164, 194, 254, 344, 359, 374, 418, 433, 269, 284,
                           299, 314, 389, 919, 937, 875};
    for (quint16 id : ids)
        setValue(id, 0.0f);
}

} // namespace

class TestScadaVuduzu2000 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    void tableShape()
    {
        Map map;
        QCOMPARE(map.rowCount(), 76);
        QCOMPARE(map.rows()[0].dataType, quint8(7));
        QCOMPARE(map.rows()[0].address, quint16(513));
        QCOMPARE(map.startIndex(), 1);
        int mirrored = 0, computed = 0, reserved = 0;
        for (int i = 1; i < map.rowCount(); ++i) {
            const ScadaParameter& r = map.rows()[i];
            if (i > 1)
                QVERIFY(r.address > map.rows()[i - 1].address);
            QCOMPARE(map.getIndexAtAddress(r.address + 1, 0), i);
            QCOMPARE(r.operation, quint8(r.address < 544 ? 1 : 2));
            mirrored += r.paramId > 0;
            computed += r.paramId == 0;
            reserved += r.paramId < 0;
        }
        QCOMPARE(mirrored, 65);
        QCOMPARE(computed, 2);
        QCOMPARE(reserved, 8);
        QCOMPARE(ScadaFactory::has(3), true);
    }

    void refreshFindsEveryComputedRow()
    {
        Map map;
        // A computed row missing from the table would warn on each refresh.
        setValue(13, 0.0f);
        QCOMPARE(refreshMisses(map), 0);
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 300)");
        map.parameter(300);
    }

    void stopReason_data()
    {
        QTest::addColumn<float>("state");
        QTest::addColumn<float>("reason");
        QTest::addColumn<QByteArray>("reg");
        QTest::newRow("running") << 2.0f << 106.0f << QByteArray("0000");
        QTest::newRow("running 3") << 3.0f << 5.0f << QByteArray("0000");
        QTest::newRow("stopped 106") << 0.0f << 106.0f << QByteArray("0017");
        QTest::newRow("stopped 1") << 0.0f << 1.0f << QByteArray("000e");
        QTest::newRow("stopped 28") << 1.0f << 28.0f << QByteArray("0015");
        QTest::newRow("unlisted") << 0.0f << 7.0f << QByteArray("00ff");
        QTest::newRow("empty cell") << 0.0f << Common::bitsFloat(0xFFFFFFFF) << QByteArray("0000");
    }

    void stopReason()
    {
        QFETCH(float, state);
        QFETCH(float, reason);
        QFETCH(QByteArray, reg);
        Map map;
        clearStatus();
        setValue(13, state);
        setValue(535, reason);
        map.calcParamsStart();
        QCOMPARE(read(map, 256, 1), reg);
    }

    void statusWord()
    {
        Map map;
        clearStatus();
        setValue(633, 3.0f);
        map.calcParamsStart();
        QCOMPARE(read(map, 257, 1), QByteArray("0012"));  // blocked, mode 0

        setValue(13, 2.0f);
        setValue(15, 2.0f);
        setValue(401, 4.0f);
        setValue(104, 1.0f);
        setRaw(875, 0xFFFFFFFF);  // an empty cell counts as a trip
        map.calcParamsStart();
        QCOMPARE(read(map, 257, 1), QByteArray("c00f"));
        setValue(875, 0.0f);
        setValue(44, 1.0f);
        setValue(403, -1.0f);
        map.calcParamsStart();
        QCOMPARE(read(map, 257, 1), QByteArray("502f"));
    }

    void mirroredRegisters()
    {
        Map map;
        setValue(2, 380.4f);
        setValue(15003, -5.0f);
        setValue(9, 0.87f);
        map.calcParamsStart();
        QCOMPARE(read(map, 258, 1), QByteArray("0edc"));
        QCOMPARE(read(map, 271, 1), QByteArray("fffb"));
        QCOMPARE(read(map, 267, 1), QByteArray("0057"));
        QCOMPARE(read(map, 256, 30).size(), 120);
        QCOMPARE(read(map, 544, 45).size(), 180);
    }

    void addressesOutsideTheTable()
    {
        Map map;
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 286)");
        QCOMPARE(read(map, 256, 31), QByteArray("err1"));
        // A second miss within the minute is only counted.
        QCOMPARE(read(map, 543, 1), QByteArray("err1"));
        QCOMPARE(read(map, 513, 1), QByteArray("err2"));
    }

    void writes()
    {
        Map map;
        WriteLog log;
        QCOMPARE(write(map, 579, {5}), MB_ERR_NONE);
        QCOMPARE(write(map, 579, {247}), MB_ERR_NONE);
        QCOMPARE(write(map, 579, {0}), MB_ERR_INVALID);
        QCOMPARE(write(map, 579, {248}), MB_ERR_INVALID);
        QVector<Write> w = log.take();
        QCOMPARE(w.size(), 2);
        QCOMPARE(w[0].id, quint16(580));
        QCOMPARE(w[0].raw, Common::floatBits(5.0f));
        QCOMPARE(w[0].eventType, 3);
        QCOMPARE(w[1].raw, Common::floatBits(247.0f));

        // Scaled: 0.01 Hz per unit.
        QCOMPARE(write(map, 581, {4550}), MB_ERR_NONE);
        w = log.take();
        QCOMPARE(w.size(), 1);
        QCOMPARE(w[0].id, quint16(10025));
        QVERIFY(qAbs(Common::bitsFloat(w[0].raw) - 45.5f) < 1e-4f);

        // Read-only, reserved and Min = Max = 0 registers.
        QCOMPARE(write(map, 256, {0}), MB_ERR_INVALID);
        QCOMPARE(write(map, 258, {1}), MB_ERR_INVALID);
        QCOMPARE(write(map, 585, {0}), MB_ERR_INVALID);
        QCOMPARE(write(map, 585, {1}), MB_ERR_INVALID);
        QCOMPARE(write(map, 580, {1}), MB_ERR_INVALID);
        QCOMPARE(write(map, 580, {0}), MB_ERR_NONE);
        w = log.take();
        QCOMPARE(w.size(), 1);
        QCOMPARE(w[0].id, quint16(103));
        QCOMPARE(read(map, 585, 1), QByteArray("0000"));

        // A run that ends in a reserved register sends nothing.
        QCOMPARE(write(map, 583, {100, 200, 0}), MB_ERR_INVALID);
        QCOMPARE(log.take().size(), 0);
    }
};

RVK_TEST_MAIN(TestScadaVuduzu2000)
#include "tst_scadavuduzu2000.moc"
