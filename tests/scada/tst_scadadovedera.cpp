#include <ctime>

#include "app/parametershandler.h"
#include "scada/scada_dovedera.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaDovedera
{
public:
    Map()
    {
        attach(mirror());
        buildTable();
        bindEngine();
    }
};

using Words = QVector<quint16>;

} // namespace

class TestScadaDovedera : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setTimeZone("UTC");
        mirror();
        // The test drives its own map: a change of p578 starts no map of the application's.
        MainApplication* app = MainApplication::getInstance();
        QObject::disconnect(app->handler(), &ParametersHandler::signalScadaProfileChanged, app, nullptr);
    }

    // A master's holding register n is row 30000 + n, its input register n row 40000 + n, while p578 is 4.
    void offsetsPlaceHoldingAndInputApart_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<char>("kind");  // h holding read, i input read, w holding write
        QTest::addColumn<quint16>("pduAddress");
        QTest::addColumn<Words>("words");  // written, or the count to read as one word
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QByteArray>("writes");
        const QByteArray v = "578=4;720=450;15=0;535=42;20028=12345.6;20029=7";
        QTest::newRow("holding 0 is p720") << v << 'h' << quint16(0) << Words{1} << QByteArray("01c2") << QByteArray();
        QTest::newRow("input 0 is the status word") << v << 'i' << quint16(0) << Words{1} << QByteArray("0020")
                                                    << QByteArray();
        QTest::newRow("input 3 is the stop reason") << v << 'i' << quint16(3) << Words{1} << QByteArray("0018")
                                                    << QByteArray();
        QTest::newRow("holding 10000 is row 40000") << v << 'h' << quint16(10000) << Words{1} << QByteArray("0020")
                                                    << QByteArray();
        QTest::newRow("input energies, two registers each")
            << v << 'i' << quint16(42) << Words{4} << QByteArray("0001e24000000046") << QByteArray();
        QTest::newRow("write holding 0") << v << 'w' << quint16(0) << Words{500} << QByteArray("ok")
                                         << QByteArray("720=500/3");
        QTest::newRow("holding 0 below its range") << v << 'w' << quint16(0) << Words{50} << QByteArray("err2")
                                                   << QByteArray();
        QTest::newRow("another profile: no offset") << QByteArray("578=3;720=450") << 'h' << quint16(0) << Words{1}
                                                    << QByteArray("err2") << QByteArray();
    }

    void offsetsPlaceHoldingAndInputApart()
    {
        QFETCH(QByteArray, values);
        QFETCH(char, kind);
        QFETCH(quint16, pduAddress);
        QFETCH(Words, words);
        QFETCH(QByteArray, result);
        QFETCH(QByteArray, writes);
        Map map;
        setMirror(values);
        map.calcParamsStart();
        WriteLog log;
        QByteArray buffer(256, '\0');
        for (int i = 0; kind == 'w' && i < words.size(); ++i) {
            buffer[2 * i] = static_cast<char>(words[i] >> 8);
            buffer[2 * i + 1] = static_cast<char>(words[i] & 0xFF);
        }
        uint8_t* b = reinterpret_cast<uint8_t*>(buffer.data());
        const uint16_t number = pduAddress + 1;
        const uint16_t count = kind == 'w' ? static_cast<uint16_t>(words.size()) : words[0];
        const eMBErrorCode r = kind == 'i' ? eMBRegInputCB(b, number, count)
                             : eMBRegHoldingCB(b, number, count, kind == 'w' ? MB_REG_WRITE : MB_REG_READ);
        const QByteArray got = r != MB_ERR_NONE ? "err" + QByteArray::number(r)
                             : kind == 'w'     ? QByteArray("ok")
                                               : buffer.left(2 * count).toHex();
        QCOMPARE(got, result);
        QCOMPARE(describe(log.take()), writes);
    }

    void computedRegisters_data()
    {
        readColumns();
        readRow("status: blocked, p401 5, mode 0", "633=3;401=5", 40000, 1, "0026");
        readRow("status: running, automatic", "13=2;15=1", 40000, 1, "0011");
        readRow("status: 3.9 truncates to 3", "401=3.9;15=2;13=3.5", 40000, 1, "0011");
        readRow("trips: only p44", "635=1;44=1", 40001, 2, "00010000");
        readRow("trips: only p119", "635=1;119=1", 40001, 2, "00008000");
        readRow("trips: none listed", "635=1", 40001, 2, "00008000");
        readRow("trips: every bit and p433", "635=1;44=1;59=1;74=1;239=1;403=1;179=1;104=1;433=1", 40001, 2,
                "00ef8000");
        readRow("trips: p875 is not this map's", "635=1;44=1;875=1", 40001, 2, "00010000");
        readRow("trips: p635 0", "44=1;119=1", 40001, 2, "00000000");
        readRow("stop reason 7 unlisted", "535=7", 40003, 1, "002e");
        readRow("stop reason 106", "535=106", 40003, 1, "002d");
        readRow("stop reason while running", "13=3;535=42", 40003, 1, "0000");
        readRow("last stop p534", "534=#1741010709", 40004, 3, "1903030e0509");
        readRow("clock p562", "562=#1741010709", 30075, 3, "1903030e0509");
    }

    void computedRegisters()
    {
        Map map;
        checkRead(map);
    }

    void clockWrites_data()
    {
        writeColumns();
        writeRow("6403: 2025, March", "562=#1718020800", 30075, {6403}, 0, "562=1741608000/3");
        writeRow("14: hour 14, day 1", "562=#1741010709", 30076, {14}, 0, "562=1740837909/3");
        writeRow("whole clock, one date", "562=#1738312200", 30075, {25 * 256 + 2, 15 * 256 + 9, 10 * 256 + 11}, 0,
                 "562=1739610611/3");
        writeRow("clock and password", "562=#1740837909", 30076, {3 * 256 + 14, 10 * 256 + 11, 1234}, 0,
                 "562=1741011011/3;573=1234/3");
        writeRow("31 February", "562=#1738312200", 30075, {25 * 256 + 2}, 2, "");
        writeRow("a bad date with a password", "562=#1741010709", 30077, {60, 1234}, 2, "");
        writeRow("30081", "", 30081, {1}, 2, "");
        writeRow("reserved 30043", "", 30043, {0}, 2, "");
        writeRow("read-only 40007", "", 40007, {0}, 2, "");
    }

    void clockWrites()
    {
        Map map;
        checkWrite(map, {562});
    }
};

RVK_TEST_MAIN(TestScadaDovedera)
#include "tst_scadadovedera.moc"
