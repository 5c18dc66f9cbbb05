#include <QTcpServer>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "scada/scada.h"
#include "scada/scadatesthelpers.h"
#include "support/manualscadaclock.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

// A map built from rows given by the test; accepts writes of mirrored rows only.
class TestMap : public Scada
{
public:
    explicit TestMap(QVector<ScadaRow> rows, Parameters* params = mirror()) : rows_(std::move(rows))
    {
        attach(params, [] { return MainApplication::getInstance()->spiDriver(); });
        buildTable();
    }
    using Scada::bindEngine;
    int setNewValue(ScadaParameter* param) override
    {
        if (param->paramId <= 0)
            return 1;
        setParameter(static_cast<quint16>(param->paramId), param->value, 3);
        return 0;
    }

protected:
    void initParameters() override { fillTable(rows_); }
    void calcParams() override {}

private:
    QVector<ScadaRow> rows_;
};

ScadaRow row(quint16 address, qint16 id, quint8 type, double min, double max, double coef = 1.0, quint8 op = 2)
{
    return ScadaRow().at(address).id(id).op(op).type(type).coef(coef).range(min, max);
}

// Row 10 unsigned, 11 signed (negative minimum), 12 a 32-bit counter, 14 a raw word,
// 15 a raw 32-bit word, 17 a float, 19 a scaled setting, 20 and 21 reserved, 30 a temperature.
QVector<ScadaRow> fixtureRows()
{
    return {
        row(10, 0, 7, 0, 255),
        row(10, 9010, 4, 0, 65535),
        row(11, 9011, 4, -100, 100),
        row(12, 9012, 5, 0, 999999),
        row(14, 9014, 12, 0, 65535, 1.0, 1),
        row(15, 9015, 13, 0, 4294967295.0, 1.0, 1),
        row(17, 9017, 6, -1000, 1000),
        row(19, 9019, 4, 0, 65535, 0.1),
        row(20, -1, 4, 0, 0),
        row(21, -1, 4, 0, 100),
        row(30, 9030, 2, 0, 300, 1.0, 1),
        row(40, 9040, 4, 0, 65535, 1.0, 1),
    };
}

void refresh(Scada& map) { map.calcParamsStart(); }

} // namespace

class TestScada : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
        mirror();
    }

    void lookupFollowsTheTableOrder()
    {
        TestMap map(fixtureRows());
        QCOMPARE(map.startIndex(), 1);
        // A coil row and a register row at 10: registers find the register row.
        QCOMPARE(map.getIndexAtAddress(11, 0), 1);
        for (int i = 1; i < map.rowCount(); ++i)
            QCOMPARE(map.getIndexAtAddress(map.rows()[i].address + 1, 0), i);

        TestMap noCoils({row(5, 1, 4, 0, 1), row(6, 2, 4, 0, 1)});
        QCOMPARE(noCoils.startIndex(), 0);
        QCOMPARE(noCoils.getIndexAtAddress(6, 0), 0);

        TestMap coilsOnly({row(513, 0, 7, 0, 255)});
        QCOMPARE(coilsOnly.startIndex(), 0);
        // Reached through the scan, and refused as a register.
        QCOMPARE(read(coilsOnly, 513, 1), QByteArray("err2"));

        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = -1)");
        QCOMPARE(map.getIndexAtAddress(0, 0), -1);

        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 99)");
        ScadaParameter* missing = map.parameter(99);
        missing->value = 42.0f;
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 99)");
        QCOMPARE(read(map, 99, 1), QByteArray("err1"));
    }

    void mapWithoutTableRefusesEverything()
    {
        TestMap empty({});
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 0)");
        QCOMPARE(read(empty, 0, 1), QByteArray("err1"));
    }

    // One row of each case: its type, coefficient and range, its parameter's value ("uN" a raw cell, "empty"
    // the empty cell), the register words read; then words written to it and the value sent (none: refused).
    void registerWords_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("coef");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("sent");
        const double top32 = 4294967295.0;
        auto add = [](const char* name, int type, double coef, double min, double max, const char* value,
                      const char* read, const char* written = "", const char* sent = "") {
            QTest::newRow(name) << type << coef << min << max << QString::fromLatin1(value) << QByteArray(read)
                                << QByteArray(written) << QString::fromLatin1(sent);
        };
        // Two's complement: the rounded value's lowest 16 or 32 bits, whatever the row's range.
        add("-5", 4, 1, 0, 65535, "-5", "fffb", "fffb", "65531");
        add("70000", 4, 1, 0, 65535, "70000", "1170", "1170", "4464");
        add("2.5 rounds away from zero", 4, 1, 0, 65535, "2.5", "0003", "ffff", "65535");
        add("-2.5 rounds away from zero", 4, 1, -100, 100, "-2.5", "fffd", "fffd", "-3");
        add("32-bit -5", 3, 1, -2147483648.0, 2147483647.0, "-5", "fffffffb", "fffffffb", "-5");
        add("32-bit -7 of an unsigned counter", 5, 1, 0, top32, "-7", "fffffff9");
        add("temperature -5", 2, 1, 0, 300, "-5", "fffb");
        // The exact decimal quotient of the table's coefficient, not of the float nearest to it.
        add("23.4 at 0.1", 4, 0.1, 0, 65535, "23.4", "00ea", "00ea", "23.4");
        add("a half at 0.1", 4, 0.1, 0, 65535, "0.25", "0003", "0003", "0.3");
        add("a half at 0.001", 4, 0.001, 0, 65535, "0.0625", "003f", "003f", "0.063");
        add("21475312 at 0.1", 5, 0.1, 0, top32, "21475312", "0cccdf60", "0cccdf60", "21475312");
        add("21475312 at 0.01", 5, 0.01, 0, top32, "21475312", "8000b9c0", "8000b9c0", "21475312");
        add("-12.3 at 0.1", 3, 0.1, -2147483648.0, 2147483647.0, "-12.3", "ffffff85", "ffffff85", "-12.3");
        // Nothing a word holds: NaN reads 0, a value beyond 32 bits the register's extreme on its side.
        add("empty cell", 4, 1, 0, 65535, "empty", "0000");
        add("5e9", 4, 1, 0, 65535, "5e9", "ffff");
        add("-5e9 signed", 4, 1, -100, 100, "-5e9", "8000");
        add("infinity", 4, 0.1, 0, 65535, "u2139095040", "ffff");
        add("32-bit 1e10", 5, 1, 0, top32, "1e10", "ffffffff");
        add("32-bit -1e10 signed", 3, 1, -2147483648.0, 2147483647.0, "-1e10", "80000000");
        add("32-bit -1e10 unsigned", 5, 1, 0, top32, "-1e10", "00000000");
        // Raw words and floats keep their bits.
        add("raw word", 12, 1, 0, 65535, "u65535", "ffff");
        add("raw 32-bit word", 13, 1, 0, top32, "u305419896", "12345678");
        add("float", 6, 1, -1000, 1000, "-1.5", "bfc00000", "c0200000", "-2.5");
        add("empty float", 6, 1, -1000, 1000, "empty", "00000000");
        // Written words outside the row's range.
        add("101 above 100", 4, 1, -100, 100, "0", "0000", "0065", "");
        add("-101 below -100", 4, 1, -100, 100, "0", "0000", "ff9b", "");
        add("1 to a row of 0...0", 4, 1, 0, 0, "0", "0000", "0001", "");
    }

    void registerWords()
    {
        QFETCH(int, type);
        QFETCH(double, coef);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(QString, value);
        QFETCH(QByteArray, read);
        QFETCH(QByteArray, written);
        QFETCH(QString, sent);
        TestMap map({row(10, 9010, static_cast<quint8>(type), min, max, coef)});
        setValues(QStringLiteral("9010=") + value);
        refresh(map);
        const quint16 size = static_cast<quint16>(read.size() / 4);
        QCOMPARE(scadatest::read(map, 10, size), read);
        if (written.isEmpty())
            return;
        QByteArray bytes = QByteArray::fromHex(written);
        WriteLog log;
        QCOMPARE(map.writeReg(reinterpret_cast<uint8_t*>(bytes.data()), 11, static_cast<uint16_t>(bytes.size() / 2)),
                 sent.isEmpty() ? MB_ERR_INVALID : MB_ERR_NONE);
        const QVector<Write> w = log.take();
        QCOMPARE(w.size(), sent.isEmpty() ? 0 : 1);
        if (sent.isEmpty())
            return;
        QCOMPARE(w[0].id, quint16(9010));
        QCOMPARE(w[0].eventType, 3);
        QCOMPARE(Common::bitsFloat(w[0].raw), sent.toFloat());
    }

    void readsSeveralRowsInOneRequest()
    {
        TestMap map(fixtureRows());
        setValue(9010, 3.0f);
        setValue(9011, -3.0f);
        setValue(9012, 74565.0f);
        setRaw(9014, 0xFFFF);
        refresh(map);
        QCOMPARE(read(map, 10, 5), QByteArray("0003fffd00012345ffff"));
        // A two-register value cut by the request's end.
        QCOMPARE(read(map, 12, 1), QByteArray("err1"));
    }

    void writeFailuresChangeNothing()
    {
        TestMap map(fixtureRows());
        WriteLog log;
        QCOMPARE(write(map, 14, {1}), MB_ERR_INVALID);          // read-only
        QCOMPARE(write(map, 20, {1}), MB_ERR_INVALID);          // reserved, outside 0..0
        QCOMPARE(write(map, 12, {0}), MB_ERR_NO_REGISTER);      // cut two-register value
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 22)");
        QCOMPARE(write(map, 21, {0, 0}), MB_ERR_NO_REGISTER);   // runs past the table
        QCOMPARE(log.take().size(), 0);

        // A refused row leaves its value as it was.
        map.parameter(21)->value = 7.0f;
        QCOMPARE(write(map, 21, {50}), MB_ERR_INVALID);
        QCOMPARE(read(map, 21, 1), QByteArray("0007"));

        // All or nothing: a row that the map refuses, or a bad last row, sends none of the request.
        setValue(9019, 1.0f);
        refresh(map);
        QCOMPARE(write(map, 19, {100, 0}), MB_ERR_INVALID);
        QCOMPARE(write(map, 19, {100, 0, 101}), MB_ERR_INVALID);
        QCOMPARE(log.take().size(), 0);
        QCOMPARE(read(map, 19, 3), QByteArray("000a00000007"));
    }

    void writeBackOfAReadStoresTheSameValue()
    {
        // A temperature register in its own unit, while the panel shows another.
        TestMap map({row(50, 9050, 4, 0, 65535).physic(19).unit(1)});
        setValue(586, 0.0f);
        setValue(9050, 85.0f);
        refresh(map);
        const QByteArray reg = read(map, 50, 1);
        WriteLog log;
        QCOMPARE(write(map, 50, {static_cast<quint16>(reg.toUInt(nullptr, 16))}), MB_ERR_NONE);
        const QVector<Write> w = log.take();
        QCOMPARE(w.size(), 1);
        QVERIFY2(std::fabs(Common::bitsFloat(w[0].raw) - 85.0f) < 0.6f, qPrintable(QString::number(Common::bitsFloat(w[0].raw))));
    }

    // A master's write, what the controller then does, and what the row reads: the written value until the
    // controller reports the parameter (then the mirror's) or refuses the write (then the old value), or
    // for 2 s of the map's clock when it does neither.
    void writtenRowWaitsForTheController_data()
    {
        // wN a master writes N; uN the controller reports N; x it refuses the oldest write; lN it reports a
        // limit of N; tN N ms pass, then a refresh; rN the register reads N. The mirror starts at 5.
        QTest::addColumn<QByteArray>("steps");
        QTest::newRow("reported") << QByteArray("w30 r30 t100 r30 u31 r31 t100 r31");
        QTest::newRow("refused") << QByteArray("w30 t100 r30 x r5 t100 r5");
        QTest::newRow("no answer") << QByteArray("w30 t1999 r30 t1 r5");
        QTest::newRow("a limit is no answer") << QByteArray("w30 l99 t100 r30");
        QTest::newRow("answers in the order of the writes") << QByteArray("w30 w40 u30 r40 t100 r40 u41 r41");
        QTest::newRow("each write its own time") << QByteArray("w30 t1000 w40 t1000 r40 t999 r40 t1 r5");
        // The controller reports the kept value after a refusal; that answers no later write.
        QTest::newRow("a refusal's report") << QByteArray("w30 w40 x u5 t100 r40 u41 r41");
    }

    void writtenRowWaitsForTheController()
    {
        QFETCH(QByteArray, steps);
        setValue(9010, 5.0f);
        TestMap map(fixtureRows());
        ManualScadaClock clock;
        map.setClock(&clock);
        refresh(map);
        for (const QByteArray& step : steps.split(' ')) {
            const int n = step.mid(1).toInt();
            switch (step.at(0)) {
            case 'w':
                QCOMPARE(write(map, 10, {static_cast<quint16>(n)}), MB_ERR_NONE);
                break;
            case 'u':
                setValue(9010, static_cast<float>(n));
                break;
            case 'x':
                map.slotParamWriteRefused(9010);
                break;
            case 'l':
                mirror()->slotParamUpdated(9010, Common::floatBits(static_cast<float>(n)), 7);
                break;
            case 't':
                clock.advance(n);
                refresh(map);
                break;
            case 'r':
                QCOMPARE(read(map, 10, 1), QByteArray::number(n, 16).rightJustified(4, '0'));
                break;
            }
        }
    }

    // Until the mirror has ended its first synchronisation it holds zeros, not the controller's values:
    // every request that reaches the map is answered busy.
    void nothingIsServedBeforeTheFirstSynchronisation_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("holding read") << QByteArray("03");
        QTest::newRow("input read") << QByteArray("04");
        QTest::newRow("holding write") << QByteArray("06");
        QTest::newRow("coil read") << QByteArray("01");
        QTest::newRow("coil write") << QByteArray("05");
        QTest::newRow("identification") << QByteArray("2b");
        QTest::newRow("file record read") << QByteArray("14");
    }

    void nothingIsServedBeforeTheFirstSynchronisation()
    {
        QFETCH(QByteArray, request);
        Parameters fresh;
        ParameterDef def;
        def.id = 9010;
        def.value.f = 5.0f;
        fresh.addParameter(def);
        def.id = 1183;
        def.value.f = 484.0f;
        fresh.addParameter(def);
        TestMap map(fixtureRows(), &fresh);
        map.bindEngine();
        QSignalSpy writes(&fresh, &Parameters::signalParamWrite);
        auto call = [&request]() {
            uint8_t buf[256] = {};
            buf[2] = 1;
            uint16_t len = 0;
            if (request == "03")
                return eMBRegHoldingCB(buf, 11, 1, MB_REG_READ);
            if (request == "04")
                return eMBRegInputCB(buf, 11, 1);
            if (request == "06")
                return eMBRegHoldingCB(buf, 11, 1, MB_REG_WRITE);
            if (request == "01")
                return eMBRegCoilsCB(buf, 1, 1, MB_REG_READ);
            if (request == "05")
                return eMBRegCoilsCB(buf, 1, 1, MB_REG_WRITE);
            if (request == "2b")
                return eMBRegReadInfo(buf, (0x0E << 8 | 1) + 1, &len);
            return eMBReadFileRecord(buf, 500, 2);
        };
        QCOMPARE(call(), MB_ERR_BUSY);
        QCOMPARE(writes.count(), 0);

        // Served from the end of the synchronisation on, from a table refreshed at that moment.
        fresh.slotSyncFinished();
        QCOMPARE(read(map, 10, 1), QByteArray("0005"));
        QVERIFY(call() != MB_ERR_BUSY);
        // A map made afterwards serves at once.
        TestMap later(fixtureRows(), &fresh);
        QVERIFY(later.isMirrorReady());
    }

    void coilsStartAndStop_data()
    {
        QTest::addColumn<int>("coil");
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("param");  // 0: nothing written
        QTest::addColumn<int>("result");
        QTest::newRow("0 on") << 0 << 1 << 593 << int(MB_ERR_NONE);
        QTest::newRow("64 off") << 64 << 0 << 592 << int(MB_ERR_NONE);
        QTest::newRow("513 on") << 513 << 1 << 593 << int(MB_ERR_NONE);
        QTest::newRow("513 off") << 513 << 0 << 592 << int(MB_ERR_NONE);
        QTest::newRow("65 on") << 65 << 1 << 592 << int(MB_ERR_NONE);
        QTest::newRow("65 off") << 65 << 0 << 0 << int(MB_ERR_NONE);
        QTest::newRow("66") << 66 << 1 << 0 << int(MB_ERR_NO_REGISTER);
    }

    void coilsStartAndStop()
    {
        QFETCH(int, coil);
        QFETCH(int, on);
        QFETCH(int, param);
        QFETCH(int, result);
        TestMap map(fixtureRows());
        setValue(757, 0.0f);
        WriteLog log;
        uint8_t byte = static_cast<uint8_t>(on);
        QCOMPARE(int(map.writeCoils(&byte, static_cast<uint16_t>(coil + 1), 1)), result);
        const QVector<Write> w = log.take();
        if (param == 0) {
            QCOMPARE(w.size(), 0);
        } else {
            QCOMPARE(w.size(), 1);
            QCOMPARE(int(w[0].id), param);
            QCOMPARE(w[0].raw, Common::floatBits(1.0f));
            QCOMPARE(w[0].eventType, 1);
        }
    }

    void coilsRefusedOrIgnored()
    {
        TestMap map(fixtureRows());
        WriteLog log;
        uint8_t on = 1;
        QCOMPARE(map.writeCoils(&on, 1, 2), MB_ERR_NO_REGISTER);
        QCOMPARE(map.writeCoils(&on, 0, 1), MB_ERR_NO_REGISTER);
        setValue(757, 3.0f);
        QCOMPARE(map.writeCoils(&on, 43606, 1), MB_ERR_NONE);
        setValue(757, 0.0f);
        QCOMPARE(log.take().size(), 0);
    }

    void identification()
    {
        TestMap map({});
        uint8_t buf[256];
        uint16_t len = 1;
        setValue(541, 3.38f);
        QCOMPARE(map.readInfo(buf, (0x0E << 8 | 1) + 1, &len), MB_ERR_NONE);
        QCOMPARE(int(len), 1 + 6 + 9 + 6 + 4);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), len - 1).toHex(),
                 QByteArray("0e0101000003") + QByteArray("0007").append(QByteArray("VALDRIN").toHex())
                     + QByteArray("0104") + QByteArray("-05 ").toHex() + QByteArray("0202") + QByteArray("V3").toHex());

        setValue(1104, 1234.0f);
        setRaw(546, 1709596800u);  // 2024-03-05 00:00 UTC
        len = 0;
        QCOMPARE(map.readInfo(buf, (0x0E << 8 | 4) + 1, &len), MB_ERR_NONE);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf) + 8, len - 8), QByteArray("v3.38.0.1234 05.03.2024"));

        setValue(541, 1e30f);
        len = 0;
        QCOMPARE(map.readInfo(buf, (0x0E << 8 | 4) + 1, &len), MB_ERR_NONE);
        QCOMPARE(int(buf[7]), 32);
        QCOMPARE(int(len), 6 + 2 + 32);

        len = 0;
        QCOMPARE(map.readInfo(buf, (0x0E << 8 | 2) + 1, &len), MB_ERR_INVALID);
        QCOMPARE(map.readInfo(buf, (0x0D << 8 | 1) + 1, &len), MB_ERR_INVALID);
        QCOMPARE(map.readInfo(buf, 0, &len), MB_ERR_INVALID);
        QCOMPARE(int(len), 0);
    }

    void logRecordCount_data()
    {
        QTest::addColumn<float>("state");
        QTest::addColumn<float>("size");
        QTest::addColumn<int>("records");
        QTest::newRow("484 bytes") << 2.0f << 484.0f << 2;
        QTest::newRow("485 bytes") << 2.0f << 485.0f << 3;
        QTest::newRow("1 byte") << 2.0f << 1.0f << 1;
        QTest::newRow("empty") << 2.0f << 0.0f << 0;
        QTest::newRow("preparing") << 1.0f << 484.0f << 0;
    }

    void logRecordCount()
    {
        QFETCH(float, state);
        QFETCH(float, size);
        QFETCH(int, records);
        TestMap map({});
        setValue(1182, state);
        setValue(1183, size);
        WriteLog log;
        uint8_t buf[256];
        uint16_t len = 0;
        QCOMPARE(map.readInfo(buf, (0x0E << 8 | 3) + 1, &len), MB_ERR_NONE);
        QCOMPARE(int(len), 6 + 16 + 5 + 4 + 4 + 4);
        QCOMPARE(buf[len - 4], uint8_t(0x84));
        QCOMPARE(buf[len - 2] | (buf[len - 1] << 8), records);
        QCOMPARE(log.take().size(), 0);
    }

    void logIsRequestedWhenNoneIsReady()
    {
        TestMap map({});
        setValue(1182, 0.0f);
        WriteLog log;
        uint8_t buf[256];
        uint16_t len = 0;
        QCOMPARE(map.readInfo(buf, (0x0E << 8 | 3) + 1, &len), MB_ERR_NONE);
        QCOMPARE(buf[len - 2] | (buf[len - 1] << 8), 0);
        const QVector<Write> w = log.take();
        QCOMPARE(w.size(), 2);
        QCOMPARE(w[0].id, quint16(1181));
        QCOMPARE(w[0].raw, Common::floatBits(3.0f));
        QCOMPARE(w[1].id, quint16(1183));
        QCOMPARE(w[1].raw, Common::floatBits(0.0f));
        QCOMPARE(w[0].eventType, 1);
    }

    void fileRecordSlices()
    {
        TestMap map({});
        ManualScadaClock clock;
        map.setClock(&clock);
        setValue(1182, 2.0f);
        setValue(1183, 484.0f);
        QVector<QByteArray> requests;
        QByteArray replyData;
        quint32 replyOffset = 0;
        int replyCount = -1;  // as requested
        // The controller answers 30 ms after the request, on the clock that the map waits on.
        connect(&map, &Scada::signalScadaRequestCompressLogRN, &map, [&](QByteArray header) {
            requests.append(header);
            QByteArray h = header;
            for (int i = 0; i < 4; ++i) {
                h[3 + i] = static_cast<char>((replyOffset >> (8 * i)) & 0xFF);
                if (replyCount >= 0)
                    h[7 + i] = static_cast<char>((quint32(replyCount) >> (8 * i)) & 0xFF);
            }
            h[11] = static_cast<char>(replyData.size() & 0xFF);
            h[12] = static_cast<char>(replyData.size() >> 8);
            clock.at(30, [&map, h, data = replyData] { map.slotScadaResiveCompressLogRN(h, data); });
        }, Qt::DirectConnection);

        uint8_t buf[242];
        replyData = QByteArray::fromHex("3412785601");  // a short last slice, odd length
        replyOffset = 242;
        QCOMPARE(map.readFileRecord(buf, 242, 242), MB_ERR_NONE);
        QCOMPARE(clock.nowMs(), qint64(30));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].toHex(), QByteArray("00ffff" "f2000000" "f2000000" "f2000000"));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 8).toHex(), QByteArray("1234567800010000"));
        QCOMPARE(int(buf[241]), 0);

        // A reply for another slice is not taken for this one.
        replyOffset = 0;
        QCOMPARE(map.readFileRecord(buf, 242, 242), MB_ERR_INVALID);

        // The last record of a 300-byte log: the controller sends the 58 bytes left.
        setValue(1183, 300.0f);
        replyOffset = 242;
        replyCount = 58;
        replyData = QByteArray(58, '\x11');
        QCOMPARE(map.readFileRecord(buf, 242, 242), MB_ERR_NONE);
        QCOMPARE(int(buf[57]), 0x11);
        QCOMPARE(int(buf[58]), 0);
        replyCount = 100;
        QCOMPARE(map.readFileRecord(buf, 242, 242), MB_ERR_INVALID);
        replyCount = -1;
        setValue(1183, 484.0f);

        // Slices that start at or past the end are refused without asking the controller.
        QCOMPARE(map.readFileRecord(buf, 484, 242), MB_ERR_INVALID);
        QCOMPARE(map.readFileRecord(buf, 0xFFFFFFF0u, 242), MB_ERR_INVALID);
        setValue(1183, 0.0f);
        QCOMPARE(map.readFileRecord(buf, 0, 242), MB_ERR_INVALID);
        QCOMPARE(requests.size(), 4);
    }

    void fileRecordWaitsForTheControllerAtMost5s_data()
    {
        QTest::addColumn<int>("replyAt");  // ms after the request; -1: never
        QTest::addColumn<int>("stopAt");   // the map is stopped; -1: never
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("waited");
        QTest::newRow("answer at 5000 ms") << 5000 << -1 << int(MB_ERR_NONE) << 5000;
        QTest::newRow("answer at 5005 ms") << 5005 << -1 << int(MB_ERR_BUSY) << 5000;
        QTest::newRow("no answer") << -1 << -1 << int(MB_ERR_BUSY) << 5000;
        QTest::newRow("map stopped at 50 ms") << 100 << 50 << int(MB_ERR_BUSY) << 50;
    }

    void fileRecordWaitsForTheControllerAtMost5s()
    {
        QFETCH(int, replyAt);
        QFETCH(int, stopAt);
        QFETCH(int, result);
        QFETCH(int, waited);
        TestMap map({});
        ManualScadaClock clock;
        map.setClock(&clock);
        setValue(1183, 484.0f);
        connect(&map, &Scada::signalScadaRequestCompressLogRN, &map, [&](QByteArray header) {
            if (replyAt >= 0)
                clock.at(replyAt, [&map, header] { map.slotScadaResiveCompressLogRN(header, QByteArray(242, 'x')); });
            if (stopAt >= 0)
                clock.at(stopAt, [&map] { map.setProcessEnabled(false); });
        }, Qt::DirectConnection);
        uint8_t buf[242];
        QCOMPARE(int(map.readFileRecord(buf, 0, 242)), result);
        QCOMPARE(clock.nowMs(), qint64(waited));
    }

    void workerRunsOnItsClock()
    {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::Any, 0));
        qputenv("RVK_SCADA_PORT", QByteArray::number(squatter.serverPort()));
        setValue(9010, 5.0f);
        {
            // The port is taken: one warning, no timers, a table that is never refreshed.
            TestMap map(fixtureRows());
            ManualScadaClock clock;
            map.setClock(&clock);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^ScadaServer: cannot listen on port"));
            QTest::ignoreMessage(QtWarningMsg, "Scada: error init modbus stack - 3!");
            map.process();
            QCOMPARE(clock.periods(), QVector<int>());
            clock.advance(1000);
            QCOMPARE(read(map, 10, 1), QByteArray("0000"));
        }
        squatter.close();

        TestMap map(fixtureRows());
        ManualScadaClock clock;
        map.setClock(&clock);
        map.process();
        QCOMPARE(clock.periods(), (QVector<int>{100, 20}));
        QCOMPARE(Scada::engineMap(), &map);
        // Served from the start with the mirror's values, then refreshed every 100 ms.
        QCOMPARE(read(map, 10, 1), QByteArray("0005"));
        setValue(9010, 7.0f);
        clock.advance(99);
        QCOMPARE(read(map, 10, 1), QByteArray("0005"));
        clock.advance(1);
        QCOMPARE(read(map, 10, 1), QByteArray("0007"));

        // A failed poll step stops polling for good and releases the engine; the refresh goes on.
        eMBDisable();
        clock.advance(20);
        QVERIFY(!map.isProcessEnabled());
        QCOMPARE(clock.periods(), QVector<int>{100});
        QCOMPARE(Scada::engineMap(), nullptr);
        setValue(9010, 6.0f);
        clock.advance(100);
        QCOMPARE(read(map, 10, 1), QByteArray("0006"));
    }

    void softwareBlocks_data()
    {
        QTest::addColumn<int>("registers");
        QTest::addColumn<QList<int>>("blockBytes");
        QTest::newRow("80") << 80 << QList<int>{160};
        QTest::newRow("81") << 81 << QList<int>{80, 82};
        QTest::newRow("122") << 122 << QList<int>{122, 122};
    }

    void softwareBlocks()
    {
        QFETCH(int, registers);
        QFETCH(QList<int>, blockBytes);
        TestMap map({});
        QVector<QByteArray> blocks;
        connect(&map, &Scada::signalSoftwareWrite, &map, [&](QByteArray b) { blocks.append(b); },
                Qt::DirectConnection);
        QByteArray data(2 * registers, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>(i);
        MainApplication* app = MainApplication::getInstance();
        if (!app->spiDriver())
            app->initSpi(nullptr);
        // A stopped map hands the blocks over and gives up waiting at once: not reported written.
        map.setProcessEnabled(false);
        QCOMPARE(map.slotSoftwareWrite(0x0102, 0, static_cast<uint16_t>(registers),
                                       reinterpret_cast<uint8_t*>(data.data())), int(MB_ERR_BUSY));
        QCOMPARE(blocks.size(), blockBytes.size());
        int offset = 0;
        for (int k = 0; k < blocks.size(); ++k) {
            const QByteArray& b = blocks[k];
            QCOMPARE(b.size(), 6 + blockBytes[k]);
            QCOMPARE(b.left(6).toHex(), QByteArray("0201") + QByteArray(k ? "0100" : "0000")
                                            + QByteArray::number(blockBytes[k] & 0xFF, 16).rightJustified(2, '0')
                                            + QByteArray("00"));
            QCOMPARE(b.mid(6), data.mid(offset, blockBytes[k]));
            offset += blockBytes[k];
        }
        QCOMPARE(offset, data.size());
    }
};

RVK_TEST_MAIN(TestScada)
#include "tst_scada.moc"
