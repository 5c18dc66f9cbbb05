#include "scada/scada_dez.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaDez
{
public:
    Map() { attach(mirror()); buildTable(); }
};

} // namespace

class TestScadaDez : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    void rowsCarryTheirScale_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("id");
        QTest::addColumn<float>("value");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("setpoint") << 0 << 10002 << 47.6f << QByteArray("0030");
        QTest::newRow("drive current U") << 257 << 10008 << 12.34f << QByteArray("04d2");
        QTest::newRow("output frequency") << 297 << 10001 << 49.99f << QByteArray("1387");
        QTest::newRow("intake pressure, psi") << 378 << 15002 << 1.5f << QByteArray("0880");
        QTest::newRow("intake temperature") << 380 << 15004 << 85.5f << QByteArray("2166");
        QTest::newRow("vibration XY") << 383 << 15011 << 0.25f << QByteArray("0019");
        QTest::newRow("leakage, mA") << 385 << 15092 << 0.012f << QByteArray("2ee0");
        QTest::newRow("power factor") << 386 << 9 << 0.87f << QByteArray("0057");
        QTest::newRow("current A") << 443 << 2 << 735.9f << QByteArray("1cbf");
    }

    void rowsCarryTheirScale()
    {
        QFETCH(int, address);
        QFETCH(int, id);
        QFETCH(float, value);
        QFETCH(QByteArray, expected);
        Map map;
        setValue(static_cast<quint16>(id), value);
        map.calcParamsStart();
        QCOMPARE(read(map, static_cast<quint16>(address), 1), expected);
    }

    void shapeAndComputedRow()
    {
        Map map;
        QCOMPARE(map.startIndex(), 0);
        map.parameter(373)->value = 5.0f;
        QCOMPARE(refreshMisses(map), 0);
        QCOMPARE(read(map, 373, 1), QByteArray("0000"));
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 381)");
        QCOMPARE(read(map, 380, 3), QByteArray("err1"));
        // A second miss within the minute is only counted.
        QCOMPARE(read(map, 0, 3), QByteArray("err1"));
    }

    void writes()
    {
        Map map;
        WriteLog log;
        QCOMPARE(write(map, 0, {45}), MB_ERR_NONE);
        QCOMPARE(write(map, 1, {1}), MB_ERR_NONE);
        QCOMPARE(write(map, 0, {40, 1}), MB_ERR_NONE);
        QCOMPARE(describeText(log.take()), QStringLiteral("10002=45;592=1;10002=40;592=1"));

        QCOMPARE(write(map, 1, {2}), MB_ERR_INVALID);
        QCOMPARE(write(map, 1, {0}), MB_ERR_INVALID);
        QCOMPARE(write(map, 0, {41, 0}), MB_ERR_INVALID);  // the stop row refuses 0: nothing of it goes
        QCOMPARE(write(map, 257, {1}), MB_ERR_INVALID);
        QCOMPARE(write(map, 373, {0}), MB_ERR_INVALID);
        QCOMPARE(log.take().size(), 0);
    }
};

RVK_TEST_MAIN(TestScadaDez)
#include "tst_scadadez.moc"
