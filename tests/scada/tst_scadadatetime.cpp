#include <QtTest>

#include <ctime>

#include "scada/scadadatetime.h"
#include "support/testmain.h"

namespace {

void setZone(const QByteArray& tz)
{
    qputenv("TZ", tz);
    tzset();
}

// Central Europe with its daylight-saving rule, written out so that no zone database is needed.
const QByteArray kCet = "CET-1CEST,M3.5.0,M10.5.0/3";

} // namespace

class TestScadaDateTime : public QObject
{
    Q_OBJECT
private slots:
    void packsLocalTime_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<QByteArray>("words");
        QTest::newRow("14:05:09 3 March 2025") << QByteArray("UTC") << 1741010709u << QByteArray("6403 782 1289");
        QTest::newRow("a year before 2000 counts 0") << QByteArray("UTC") << 946681200u << QByteArray("12 7959 0");
        QTest::newRow("local summer time") << kCet << 1751364000u << QByteArray("6407 268 0");
        QTest::newRow("past 2038, top bit set") << QByteArray("UTC") << 2209032000u << QByteArray("10241 268 0");
    }

    void packsLocalTime()
    {
        QFETCH(QByteArray, tz);
        QFETCH(quint32, seconds);
        QFETCH(QByteArray, words);
        setZone(tz);
        quint16 w[ScadaDateTime::kWords];
        ScadaDateTime::pack(seconds, w);
        QCOMPARE(QByteArray::number(w[0]) + ' ' + QByteArray::number(w[1]) + ' ' + QByteArray::number(w[2]), words);
    }

    void editsTheWrittenFields_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<int>("yearMonth");  // -1: not written
        QTest::addColumn<int>("dayHour");
        QTest::addColumn<int>("minuteSecond");
        QTest::addColumn<qint64>("result");  // -1: no valid date
        const QByteArray utc("UTC");
        QTest::newRow("year and month") << utc << 1718020800u << 6403 << -1 << -1 << qint64(1741608000);
        QTest::newRow("0: year 2000, month kept") << utc << 1718020800u << 0 << -1 << -1 << qint64(960638400);
        QTest::newRow("month 0 with a year") << utc << 1718020800u << 25 * 256 << -1 << -1 << qint64(-1);
        QTest::newRow("month 13") << utc << 1718020800u << 25 * 256 + 13 << -1 << -1 << qint64(-1);
        QTest::newRow("past 2038") << utc << 1718020800u << 40 * 256 + 6 << -1 << -1 << qint64(2222942400);
        QTest::newRow("beyond 32-bit seconds") << utc << 1718020800u << 107 * 256 + 1 << -1 << -1 << qint64(-1);
        QTest::newRow("hour, day 0 is the 1st") << utc << 1741010709u << -1 << 14 << -1 << qint64(1740837909);
        QTest::newRow("day and hour") << utc << 1740837909u << -1 << 3 * 256 + 14 << -1 << qint64(1741010709);
        QTest::newRow("hour 24") << utc << 1741010709u << -1 << 256 + 24 << -1 << qint64(-1);
        QTest::newRow("minute and second") << utc << 1741010709u << -1 << -1 << 10 * 256 + 11 << qint64(1741011011);
        QTest::newRow("minute 60") << utc << 1741010709u << -1 << -1 << 60 * 256 << qint64(-1);
        QTest::newRow("second 60") << utc << 1741010709u << -1 << -1 << 60 << qint64(-1);
        QTest::newRow("31 February") << utc << 1738312200u << 25 * 256 + 2 << -1 << -1 << qint64(-1);
        QTest::newRow("whole date from the 31st")
            << utc << 1738312200u << 25 * 256 + 2 << 15 * 256 + 9 << 10 * 256 + 11 << qint64(1739610611);
        QTest::newRow("winter date from summer keeps its hour") << kCet << 1751364000u << 25 * 256 + 1 << -1 << -1
                                                                 << qint64(1735729200);
        QTest::newRow("an hour that summer time skips") << kCet << 1741010709u << -1 << 30 * 256 + 2 << -1
                                                        << qint64(-1);
    }

    void editsTheWrittenFields()
    {
        QFETCH(QByteArray, tz);
        QFETCH(quint32, seconds);
        QFETCH(int, yearMonth);
        QFETCH(int, dayHour);
        QFETCH(int, minuteSecond);
        QFETCH(qint64, result);
        setZone(tz);
        const qint32 words[ScadaDateTime::kWords] = {yearMonth, dayHour, minuteSecond};
        quint32 out = 0;
        const bool ok = ScadaDateTime::edit(seconds, words, &out);
        QCOMPARE(ok ? qint64(out) : qint64(-1), result);
    }
};

RVK_TEST_MAIN(TestScadaDateTime)
#include "tst_scadadatetime.moc"
