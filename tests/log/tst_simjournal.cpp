#include <QRegularExpression>
#include <QSet>

#include "app/parameters.h"
#include "log/log_event.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

McSimCore::ParamSeed setting(quint16 id, float max, quint8 vtype = 0)
{
    McSimCore::ParamSeed s;
    s.id = id;
    s.max = max;
    s.vtype = vtype;
    return s;
}

QString decodeLast(LogEvent* store)
{
    QByteArray r = store->events().last();
    QString text;
    QString dateTime;
    LogEvent::getTextEvent(&r, text, dateTime);
    return text;
}

} // namespace

// The journal of the simulated controller, read over the link and decoded as the journal screen does.
class TestSimJournal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        station_.addParameter(setting(822, 11));              // measured quantity of analog input 1
        station_.addParameter(setting(1105, 5));              // its unit
        station_.addParameter(setting(2125, 4294967295.0f, 1));  // name of digital input 1
        station_.addParameter(setting(2126, 4294967295.0f, 1));
        QVERIFY(station_.start());
        QVERIFY(SimStation::waitFor([this] {
            const auto events = station_.logEvent()->events();
            return events.size() == LogEvent::kMaxRecords && events.lastKey() == station_.sim()->lastEventSerial();
        }, 20000));
    }

    void storedJournalHoldsEveryKindOfEvent()
    {
        const QRegularExpression leftover(QStringLiteral("%\\d"));
        QSet<int> codes;
        QSet<quint16> identifiers;
        QStringList texts;
        for (QByteArray r : station_.logEvent()->events()) {
            QString text;
            QString dateTime;
            const quint16 id = LogEvent::getTextEvent(&r, text, dateTime);
            QVERIFY2(!text.isEmpty() && !leftover.match(text).hasMatch(), qPrintable(text));
            QCOMPARE(dateTime.size(), 19);
            codes.insert(LogEvent::codeOf(r));
            if ((id >= 25002 && id <= 25351) || id == 23233)
                identifiers.insert(id);
            texts << text;
        }
        for (int code : {1, 2, 13, 33, 104, 105, 107})
            QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
        QVERIFY(identifiers.size() >= 20);
        const auto has = [&texts](const QString& part) {
            for (const QString& t : texts)
                if (t.contains(part))
                    return true;
            return false;
        };
        QVERIFY(has(QStringLiteral("Сработала защита: Повышенное напряжение 121")));
        QVERIFY(has(QStringLiteral("Блокировка по защите: Цифровой вход 8")));
        QVERIFY(has(QStringLiteral("ИзмПарам. Повышенное напряжение Откл -> АПВ")));
        QVERIFY(has(QStringLiteral("Связь с ТМС Потеряна")));
        QVERIFY(has(QStringLiteral("Связь с ТМС Восстановлена")));
        QVERIFY(has(QStringLiteral(" 192.168.1.1")));
        QVERIFY(has(QStringLiteral(" PUMP-1")));
        QVERIFY(has(QStringLiteral("Сработала защита: ЧРП. 999")));
        QVERIFY(has(QStringLiteral("Предупреждение: ЧРП. 999")));
    }

    // The controller logs an analog input's unit with its quantity, and a name as one event of its second half.
    void settingChangesReadAsTheJournalShowsThem()
    {
        LogEvent* store = station_.logEvent();
        Parameters* params = station_.params();
        params->set(822, 2.0f);  // temperature
        QVERIFY(SimStation::waitFor([this] { return station_.sim()->value(822) == 2.0f; }));
        quint32 serial = station_.sim()->lastEventSerial();
        params->set(1105, 1.0f);
        QVERIFY(SimStation::waitFor([&] { return store->events().lastKey() == serial + 1; }));
        QCOMPARE(decodeLast(store), QStringLiteral("ИзмПарам. %1 %2 -> %3")
                                        .arg(LogEvent::getTextFromId(1105), Common::getTextAiParamUnits(2, 0),
                                             Common::getTextAiParamUnits(2, 1)));

        serial = station_.sim()->lastEventSerial();
        params->set(2125, quint32(0x504D5550u));  // "PUMP", first letter lowest
        params->set(2126, quint32(0x00002D31u));  // "1-": '1' lowest
        QVERIFY(SimStation::waitFor([&] { return store->events().lastKey() == serial + 2; }));
        QCOMPARE(decodeLast(store), QStringLiteral("ИзмПарам. 2126 PUMP1-"));
    }

    void cleanupTestCase() { station_.stop(); }

private:
    SimStation station_{QString(), SimStation::Clock::Manual};
};

RVK_TEST_MAIN(TestSimJournal)
#include "tst_simjournal.moc"
