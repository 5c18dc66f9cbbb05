#include "scada/scada_zevodorar.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaZevodorar
{
public:
    Map() { attach(mirror()); buildTable(); }
};

// Every parameter that the computed registers read, set to 0 before each case.
const quint16 kInputs[] = {13, 15, 179, 447, 526, 533, 535, 633, 843, 1011, 20010};

} // namespace

class TestScadaZevodorar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    void computedRegisters_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");

        // 277: start class low, mode high.
        QTest::newRow("277 running 447 mode 2") << "13=2;447=1;15=2;533=4" << 277 << 1 << QByteArray("0302");
        QTest::newRow("277 stopped") << "533=3;447=1;15=2" << 277 << 1 << QByteArray("0101");
        QTest::newRow("277 running without 447") << "13=2;15=2;533=1" << 277 << 1 << QByteArray("0201");
        QTest::newRow("277 running mode 1") << "13=2;447=1;15=1;533=7" << 277 << 1 << QByteArray("0200");

        // 256 and 289 carry the same state, first condition that holds.
        QTest::newRow("state turbine") << "179=1;633=3;13=2" << 256 << 1 << QByteArray("00c7");
        QTest::newRow("state blocked") << "633=3;13=2" << 289 << 1 << QByteArray("00c0");
        QTest::newRow("state trip delay") << "633=1;13=2" << 256 << 1 << QByteArray("00c4");
        QTest::newRow("state started 3") << "13=2;533=3" << 289 << 1 << QByteArray("00cc");
        QTest::newRow("state running") << "13=2;533=4" << 256 << 1 << QByteArray("00c5");
        QTest::newRow("state stopped") << "" << 289 << 1 << QByteArray("00b0");

        // 290: stop code low, start class high.
        QTest::newRow("290 reason 21") << "535=21;533=1" << 290 << 1 << QByteArray("0103");
        QTest::newRow("290 reason 114") << "535=114;533=4" << 290 << 1 << QByteArray("0225");
        QTest::newRow("290 drive trip") << "535=106;843=1110" << 290 << 1 << QByteArray("0011");
        QTest::newRow("290 other drive fault") << "535=106;843=1109" << 290 << 1 << QByteArray("0012");
        QTest::newRow("290 unlisted") << "535=999;533=3" << 290 << 1 << QByteArray("0100");

        // Split 32-bit counters, low word first.
        QTest::newRow("526") << "526=70000" << 295 << 2 << QByteArray("11700001");
        QTest::newRow("20010 hours") << "20010=12.5" << 298 << 2 << QByteArray("afc80000");
        QTest::newRow("20010 negative") << "20010=-1" << 298 << 2 << QByteArray("00000000");
        QTest::newRow("20010 beyond 32 bits") << "20010=2000000" << 298 << 2 << QByteArray("ffffffff");
        QTest::newRow("20010 empty") << "20010=empty" << 298 << 2 << QByteArray("00000000");
    }

    void computedRegisters()
    {
        QFETCH(QString, inputs);
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(QByteArray, expected);
        Map map;
        QCOMPARE(readAfterRefresh(map, kInputs, inputs, address, count), expected);
    }

    void register291KeepsTheLastListedStop()
    {
        Map map;
        const struct {
            const char* inputs;
            QByteArray reads;
        } steps[] = {
            {"535=1;1011=9", "0000"}, {"535=3;1011=7", "0007"}, {"535=1;1011=9", "0007"}, {"535=104;1011=9", "0009"},
        };
        for (const auto& step : steps) {
            setInputs(kInputs, QString::fromLatin1(step.inputs));
            map.calcParamsStart();
            QCOMPARE(read(map, 291, 1), step.reads);
        }
    }

    void onlyTheReservedBlockIsWritableAndItRefuses()
    {
        Map map;
        setValue(10013, 1500.0f);  // W, read in kW
        setValue(15004, -5.0f);
        setValue(15002, 1.234f);
        setValue(10001, 49.97f);
        map.calcParamsStart();
        QCOMPARE(read(map, 257, 1), QByteArray("0002"));
        QCOMPARE(read(map, 266, 1), QByteArray("000c"));  // 1.234 MPa in whole atm
        QCOMPARE(read(map, 268, 1), QByteArray("fffb"));
        QCOMPARE(read(map, 283, 1), QByteArray("01f4"));

        WriteLog log;
        QCOMPARE(write(map, 600, {5}), MB_ERR_INVALID);
        QCOMPARE(read(map, 600, 1), QByteArray("0000"));
        QCOMPARE(write(map, 257, {1}), MB_ERR_INVALID);
        QCOMPARE(write(map, 256, {1}), MB_ERR_INVALID);
        QCOMPARE(log.take().size(), 0);

        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 304)");
        QCOMPARE(read(map, 300, 5), QByteArray("err1"));
        // A second miss within the minute is only counted.
        QCOMPARE(read(map, 749, 2), QByteArray("err1"));
        QCOMPARE(read(map, 64, 1), QByteArray("err2"));
    }
};

RVK_TEST_MAIN(TestScadaZevodorar)
#include "tst_scadazevodorar.moc"
