#include "scada/scada_zizedu.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

class Map : public ScadaZizedu
{
public:
    Map() { attach(mirror()); buildTable(); }
};

// Every parameter that the computed and command registers read, set to 0 before each case.
const quint16 kInputs[] = {13, 15, 22, 24, 25, 26, 27, 39, 178, 402, 447, 448, 449, 450, 474, 475, 477, 483,
                           499, 503, 528, 529, 531, 532, 533, 535, 540, 541, 544, 545, 550, 551, 562, 581,
                           585, 586, 587, 633, 635, 671, 673, 674, 680, 681, 686, 687, 691, 692, 703, 705,
                           721, 804, 805, 806, 807, 822, 826, 843, 873, 961, 1105, 1106, 10030, 10032,
                           10034, 10036, 10038, 15017};

const char* const kMoscow = "MSK-3";
const char* const kBerlin = "CET-1CEST,M3.5.0,M10.5.0/3";

QVector<quint16> registers(const QString& words)
{
    QVector<quint16> out;
    for (const QString& w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << static_cast<quint16>(w.toUInt(nullptr, 0));
    return out;
}

} // namespace

class TestScadaZizedu : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        mirror();
        setTimeZone(kMoscow);
    }

    void refreshFillsEveryComputedRowAndNoOther()
    {
        Map map;
        setInputs(kInputs, QString());
        // A date-time triple is written only where the table holds all three rows.
        const int last = map.rowCount() - 1;
        map.calcDateTime(1709623230, map.parameter(2364));
        QCOMPARE(Common::floatBits(map.rows()[last - 1].value) | Common::floatBits(map.rows()[last].value), 0u);

        // Mark the paramId 0 rows; a refresh must reach each computed one through a register the table has.
        const quint32 mark = 0x7FC0BEEF;
        for (int i = map.startIndex(); i < map.rowCount(); ++i) {
            if (map.rows()[i].paramId == 0)
                map.parameter(map.rows()[i].address)->value = Common::bitsFloat(mark);
        }
        QCOMPARE(refreshMisses(map), 0);
        int computed = 0, untouched = 0;
        for (int i = map.startIndex(); i < map.rowCount(); ++i) {
            if (map.rows()[i].paramId == 0)
                ++(Common::floatBits(map.rows()[i].value) == mark ? untouched : computed);
        }
        QCOMPARE(computed, 61);
        QCOMPARE(untouched, 40);
    }

    void computedRegisters_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");

        // Work state: the running modes, then the digital inputs by action, replace each other in order.
        QTest::newRow("work: input 3 acts 2") << "13=2;674=1;806=2" << 249 << 1 << QByteArray("001b");
        QTest::newRow("work: input 3 empty") << "13=2;674=1;806=2;26=empty" << 249 << 1 << QByteArray("0002");
        QTest::newRow("work: 692") << "13=3;692=1" << 249 << 1 << QByteArray("0001");
        QTest::newRow("work: last mode wins") << "13=2;674=1;681=1;873=1;961=1" << 249 << 1 << QByteArray("0008");
        QTest::newRow("work: action 1 after 3") << "13=2;805=3;804=1" << 249 << 1 << QByteArray("0013");
        QTest::newRow("work: 448 is 400") << "633=3;448=400" << 249 << 1 << QByteArray("0021");
        QTest::newRow("work: restart wait") << "633=2" << 249 << 1 << QByteArray("0022");
        QTest::newRow("work: restart wait 30") << "633=2;535=30" << 249 << 1 << QByteArray("0023");
        QTest::newRow("work: restart wait 635") << "633=2;535=30;635=1" << 249 << 1 << QByteArray("0027");
        QTest::newRow("work: blocked") << "633=3" << 249 << 1 << QByteArray("0024");
        QTest::newRow("work: blocked 28") << "633=3;535=28" << 249 << 1 << QByteArray("0029");
        QTest::newRow("work: state 5") << "13=5" << 249 << 1 << QByteArray("0020");

        // Counter: hours, then minute and second bytes; 2312 and 2313 always from 528.
        QTest::newRow("counter running") << "13=2;528=7384;529=5" << 253 << 2 << QByteArray("00020304");
        QTest::newRow("hours running") << "13=2;528=7384" << 2312 << 2 << QByteArray("00020003");
        QTest::newRow("counter restart wait") << "633=2;528=99;529=77;531=3725" << 253 << 2 << QByteArray("00010205");
        QTest::newRow("counter state 5") << "13=5;528=3661;529=1" << 253 << 2 << QByteArray("00010101");
        QTest::newRow("hours of 528 stopped") << "528=7384;529=59" << 2312 << 2 << QByteArray("00020003");

        // Status word: running, blocked, control mode, start reason, stop reason.
        QTest::newRow("status running") << "13=2;15=1;533=4" << 255 << 1 << QByteArray("a100");
        QTest::newRow("status drive trip") << "633=3;533=108;535=106;843=3009" << 255 << 1 << QByteArray("5528");
        QTest::newRow("status 106 other fault") << "15=5;533=7;535=106;843=1109" << 255 << 1 << QByteArray("033e");
        QTest::newRow("status unlisted") << "15=2;533=1;535=7" << 255 << 1 << QByteArray("2073");
        QTest::newRow("status 62") << "533=111;535=62" << 255 << 1 << QByteArray("1861");

        QTest::newRow("277 p22 0") << "" << 277 << 1 << QByteArray("0001");
        QTest::newRow("277 p22 5") << "22=5" << 277 << 1 << QByteArray("0000");
        QTest::newRow("300 sensor") << "39=3" << 300 << 1 << QByteArray("0001");
        QTest::newRow("300 15017") << "39=3;703=1;15017=1" << 300 << 1 << QByteArray("0002");
        QTest::newRow("300 none") << "703=1" << 300 << 1 << QByteArray("0000");
        QTest::newRow("switches 812") << "178=3" << 812 << 1 << QByteArray("0001");
        QTest::newRow("switches 951") << "483=3" << 951 << 1 << QByteArray("0002");
        QTest::newRow("hours and minutes 449") << "449=7384;450=3599" << 825 << 4 << QByteArray("000200030000003b");
        QTest::newRow("dhs 3") << "39=3" << 849 << 1 << QByteArray("0003");
        QTest::newRow("dhs 1") << "39=1" << 849 << 1 << QByteArray("0009");
        QTest::newRow("dhs 16") << "39=16" << 849 << 1 << QByteArray("0000");
        QTest::newRow("units 866 871") << "586=1;587=0" << 866 << 1 << QByteArray("0008");
        QTest::newRow("pressure unit 2") << "585=2" << 879 << 1 << QByteArray("0003");
        QTest::newRow("pressure unit 7") << "585=7" << 879 << 1 << QByteArray("0004");
        QTest::newRow("input 1 quantity 9") << "822=9;1105=2" << 890 << 1 << QByteArray("0001");
        QTest::newRow("input 1 quantity 6") << "822=6;1105=2" << 890 << 1 << QByteArray("000e");
        QTest::newRow("input 1 unit not listed") << "822=6;1105=1" << 890 << 1 << QByteArray("0000");
        QTest::newRow("input 1 unit not whole") << "822=1;1105=2.5" << 890 << 1 << QByteArray("0000");
        QTest::newRow("input 2 quantity 3") << "826=3;1106=1" << 904 << 1 << QByteArray("000a");
        QTest::newRow("937 both") << "673=3;680=2" << 937 << 1 << QByteArray("0001");
        QTest::newRow("937 680") << "680=2" << 937 << 1 << QByteArray("0002");
        QTest::newRow("960 from 3") << "475=3" << 960 << 2 << QByteArray("00050000");
        QTest::newRow("960 other") << "475=5;477=123" << 960 << 2 << QByteArray("0008007b");
        QTest::newRow("percent of rated") << "721=400;10030=200;10038=100" << 1007 << 1 << QByteArray("01f4");
        QTest::newRow("percent of no rated") << "10030=200" << 1007 << 1 << QByteArray("0000");
        QTest::newRow("baud 9600") << "581=9600" << 1025 << 2 << QByteArray("00030004");
        QTest::newRow("baud 1200") << "581=1200" << 1025 << 1 << QByteArray("000b");
        QTest::newRow("split 540") << "540=u305419896" << 1051 << 2 << QByteArray("12345678");
        QTest::newRow("steps 705 2") << "705=2" << 1069 << 1 << QByteArray("0003");
        QTest::newRow("version") << "541=70000.5" << 1072 << 2 << QByteArray("00011170");

        // Dates in local time (UTC+3): 2024-03-05 22:30 UTC is the 6th there; 1999 reads year 0.
        QTest::newRow("date 544") << "544=u1709677800" << 1054 << 3 << QByteArray("000600030018");
        QTest::newRow("date 551 before 2000") << "551=u915148800" << 1062 << 3 << QByteArray("000100010000");
        QTest::newRow("date-time 562") << "562=u1709623230" << 250 << 3 << QByteArray("03050a181e14");
        QTest::newRow("date-time 532 epoch") << "532=u0" << 2314 << 3 << QByteArray("010103000000");
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

    void commands_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QByteArray>("timeZone");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("writes");  // 562 as a raw unsigned cell

        const QByteArray msk(kMoscow);
        QTest::newRow("937 clears") << "673=2" << 937 << "0" << msk << 0 << "673=0;680=0;691=0";
        QTest::newRow("937 1") << "" << 937 << "1" << msk << 0 << "673=2";
        QTest::newRow("937 2") << "" << 937 << "2" << msk << 0 << "680=2";
        QTest::newRow("937 3 refused") << "" << 937 << "3" << msk << 4 << "";
        QTest::newRow("849 3") << "" << 849 << "3" << msk << 0 << "39=3";
        QTest::newRow("849 1 refused") << "" << 849 << "1" << msk << 4 << "";
        QTest::newRow("866 8") << "" << 866 << "8" << msk << 0 << "586=1";
        QTest::newRow("871 10") << "" << 871 << "10" << msk << 0 << "587=1";
        QTest::newRow("879 2") << "" << 879 << "2" << msk << 0 << "585=1";
        QTest::newRow("879 1 refused") << "" << 879 << "1" << msk << 4 << "";
        QTest::newRow("890 13") << "" << 890 << "13" << msk << 0 << "822=6;1105=0";
        QTest::newRow("890 3 refused") << "" << 890 << "3" << msk << 4 << "";
        QTest::newRow("904 8") << "" << 904 << "8" << msk << 0 << "826=2;1106=1";
        QTest::newRow("812 on") << "" << 812 << "1" << msk << 0 << "178=3";
        QTest::newRow("816 off") << "402=3" << 816 << "0" << msk << 0 << "402=0";
        QTest::newRow("824 on") << "" << 824 << "1" << msk << 0 << "447=3";
        QTest::newRow("959 on") << "" << 959 << "1" << msk << 0 << "474=3";
        QTest::newRow("969 on") << "" << 969 << "1" << msk << 0 << "499=3";
        QTest::newRow("987 off") << "503=3" << 987 << "0" << msk << 0 << "503=0";
        QTest::newRow("931 on") << "" << 931 << "1" << msk << 0 << "691=2";
        QTest::newRow("951 on") << "" << 951 << "2" << msk << 0 << "483=3";
        QTest::newRow("960 2") << "" << 960 << "2" << msk << 0 << "475=1";
        QTest::newRow("960 3 refused") << "" << 960 << "3" << msk << 4 << "";
        QTest::newRow("961") << "" << 961 << "150" << msk << 0 << "477=150";
        QTest::newRow("percent 1007") << "721=400" << 1007 << "500" << msk << 0 << "10030=200";
        QTest::newRow("percent 1013") << "721=380" << 1013 << "1000" << msk << 0 << "10036=380";
        QTest::newRow("percent 1009 to 1011") << "721=400" << 1009 << "500 100 250" << msk << 0
                                              << "10032=200;10035=10;10034=100";
        QTest::newRow("percent of no rated refused") << "" << 1015 << "500" << msk << 4 << "";
        QTest::newRow("1025 3") << "" << 1025 << "3" << msk << 0 << "581=9600";
        QTest::newRow("1025 0 refused") << "" << 1025 << "0" << msk << 4 << "";
        QTest::newRow("1026 4 writes nothing") << "" << 1026 << "4" << msk << 0 << "";
        QTest::newRow("1026 3 refused") << "" << 1026 << "3" << msk << 4 << "";
        QTest::newRow("1069 2") << "" << 1069 << "2" << msk << 0 << "705=1";
        QTest::newRow("1069 1 refused") << "" << 1069 << "1" << msk << 4 << "";
        QTest::newRow("hours 825") << "449=7384" << 825 << "5" << msk << 0 << "449=18180";
        QTest::newRow("minutes 826") << "449=7384" << 826 << "10" << msk << 0 << "449=7804";
        QTest::newRow("hours 827") << "450=3599" << 827 << "1" << msk << 0 << "450=7140";
        QTest::newRow("minutes 828") << "450=3599" << 828 << "0" << msk << 0 << "450=59";
        QTest::newRow("hours and minutes at once") << "449=7384" << 825 << "5 10" << msk << 0 << "449=18180;449=18600";
        QTest::newRow("mirrored 918") << "" << 918 << "7" << msk << 0 << "574=7";
        QTest::newRow("mirrored 919") << "" << 919 << "7" << msk << 0 << "574=7";

        // The station clock 562, now 2024-03-05 10:20:30 local time.
        const QString now = QStringLiteral("562=u1709623230");
        QTest::newRow("clock minute") << now << 766 << "0x1e15" << msk << 0 << "562=u1709623290";
        QTest::newRow("clock day and month") << now << 764 << "0x0c1f" << msk << 0 << "562=u1735629630";
        QTest::newRow("clock hour and year") << now << 765 << "0x0b19" << msk << 0 << "562=u1741162830";
        QTest::newRow("clock 29 February") << now << 764 << "0x021d" << msk << 0 << "562=u1709191230";
        QTest::newRow("clock all at once") << now << 764 << "0x0c1f 0x0b19 0x1e15" << msk << 0
                                           << "562=u1735629630;562=u1767169230;562=u1767169290";
        QTest::newRow("clock day 0") << now << 764 << "0x0000" << msk << 4 << "";
        QTest::newRow("clock 30 February") << now << 764 << "0x021e" << msk << 4 << "";
        QTest::newRow("clock month 13") << now << 764 << "0x0d01" << msk << 4 << "";
        QTest::newRow("clock hour 24") << now << 765 << "0x1818" << msk << 4 << "";
        QTest::newRow("clock minute 60") << now << 766 << "0x003c" << msk << 4 << "";
        QTest::newRow("clock year 2107") << now << 765 << "0x0a6b" << msk << 4 << "";
        QTest::newRow("clock bad day in a request") << now << 764 << "0x0c1f 0x0b19 0x1e3c" << msk << 4 << "";
        // 10:00 in winter, moved to July: still 10:00 on the wall clock, now summer time.
        QTest::newRow("clock into summer time") << "562=u1705309200" << 764 << "0x070f" << QByteArray(kBerlin) << 0
                                                << "562=u1721030400";
        // 31 March 2024, then 02:20, an hour that does not exist in Berlin that night.
        QTest::newRow("clock into the skipped hour") << now << 764 << "0x031f 0x0218" << QByteArray(kBerlin) << 4
                                                     << "";
    }

    void commands()
    {
        QFETCH(QString, inputs);
        QFETCH(int, address);
        QFETCH(QString, words);
        QFETCH(QByteArray, timeZone);
        QFETCH(int, result);
        QFETCH(QString, writes);
        setTimeZone(timeZone.constData());
        Map map;
        setInputs(kInputs, inputs);
        map.calcParamsStart();
        WriteLog log;
        const eMBErrorCode r = write(map, static_cast<quint16>(address), registers(words));
        setTimeZone(kMoscow);
        QCOMPARE(r, result == 0 ? MB_ERR_NONE : MB_ERR_INVALID);
        QCOMPARE(describeText(log.take(), {562}), writes);
    }

    void refusedWritesKeepTheOldValue()
    {
        Map map;
        setInputs(kInputs, QStringLiteral("673=2;562=u1709623230;580=17"));
        map.calcParamsStart();
        const struct {
            quint16 address;
            quint16 written;
            QByteArray reads;
        } cases[] = {
            {757, 7, "0000"},      // reserved, writable
            {829, 1, "0000"},      // paramId 0, neither computed nor a command
            {937, 3, "0001"},      // computed from 673
            {764, 0x0000, "0305"}, // no date
            {1024, 7, "0011"},     // mirrored, but the next row of the request is out of range
        };
        for (const auto& c : cases) {
            const QVector<quint16> words = c.address == 1024 ? QVector<quint16>{c.written, 11}
                                                              : QVector<quint16>{c.written};
            QCOMPARE(write(map, c.address, words), MB_ERR_INVALID);
            QCOMPARE(read(map, c.address, 1), c.reads);
        }
        map.calcParamsStart();
        QCOMPARE(read(map, 757, 1), QByteArray("0000"));
        QCOMPARE(read(map, 829, 1), QByteArray("0000"));
    }

    void mirroredRowsTakeTheirOwnScale()
    {
        Map map;
        setValue(15002, 1.234f);  // MPa
        setValue(15105, 0.5f);
        setValue(11, 12345.0f);   // Ohm, read in kOhm
        setValue(526, 7200.0f);  // s, read in hours
        map.calcParamsStart();
        QCOMPARE(read(map, 286, 2), QByteArray("04d201f4"));  // 0.001 MPa steps
        QCOMPARE(read(map, 297, 2), QByteArray("04ea01fe"));  // kgf/cm2, 0.01 steps
        QCOMPARE(read(map, 257, 1), QByteArray("000c"));
        QCOMPARE(read(map, 2307, 1), QByteArray("0002"));
        QTest::ignoreMessage(QtWarningMsg, "Scada: not found Register (address = 305)");
        QCOMPARE(read(map, 300, 6), QByteArray("err1"));
        // A second miss within the minute is only counted.
        QCOMPARE(read(map, 1073, 2), QByteArray("err1"));
        QCOMPARE(read(map, 513, 1), QByteArray("err2"));
    }
};

RVK_TEST_MAIN(TestScadaZizedu)
#include "tst_scadazizedu.moc"
