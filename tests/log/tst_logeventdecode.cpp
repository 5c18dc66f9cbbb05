#include <QDateTime>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

#include "app/parameters.h"
#include "log/log_event.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

void putLe(QByteArray& r, int offset, quint32 v, int size)
{
    for (int i = 0; i < size; ++i)
        r[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A journal record laid out byte by byte as the controller stores it.
QByteArray rawRecord(quint8 code, quint16 id, quint32 raw1, quint32 raw2, quint32 time = 0, quint32 serial = 1)
{
    QByteArray r(LogEvent::kRecordSize, '\0');
    putLe(r, 0, serial, 4);
    putLe(r, 4, time, 4);
    r[8] = static_cast<char>(code);
    r[9] = '\x5A';  // reserved bytes carry nothing
    putLe(r, 10, id, 2);
    putLe(r, 12, raw1, 4);
    putLe(r, 16, raw2, 4);
    r[20] = '\xA5';
    return r;
}

QByteArray record(quint8 code, quint16 id, float v1 = 0.0f, float v2 = 0.0f, quint32 time = 0)
{
    return rawRecord(code, id, Common::floatBits(v1), Common::floatBits(v2), time);
}

QString decode(QByteArray r)
{
    QString text;
    QString dateTime;
    LogEvent::getTextEvent(&r, text, dateTime);
    return text;
}

Parameters* mirror()
{
    return MainApplication::getInstance()->params();
}

void define(quint16 id, quint8 physic, const QString& mask, bool valid = true, float value = 0.0f, quint8 unitOut = 0)
{
    ParameterDef def;
    def.id = id;
    def.physic = physic;
    def.unitOut = unitOut;
    def.mask = mask;
    def.valid = valid;
    def.value.f = value;
    mirror()->addParameter(def);
}

void setValue(quint16 id, float value)
{
    ParameterDef def = *mirror()->getParameter(id);
    def.value.f = value;
    mirror()->addParameter(def);
}

// Identifiers between 25000 and 25351 that name no controller event.
const QVector<int> kNotIdentifiers = {
    25000, 25001, 25216, 25223, 25242, 25243, 25244, 25245, 25274, 25277, 25278, 25280, 25281, 25282, 25283,
    25285, 25286, 25287, 25288, 25290, 25291, 25292, 25293, 25295, 25296, 25297, 25298, 25300, 25301, 25302,
    25303, 25305, 25306, 25307, 25308, 25310, 25311, 25312, 25313, 25315, 25316, 25317, 25318, 25320, 25321,
    25322, 25323, 25325, 25326, 25327, 25328, 25330, 25331, 25332, 25333, 25335, 25336, 25337};

} // namespace

class TestLogEventDecode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A zone far from UTC: the journal must not follow it.
        qputenv("TZ", "RVK-5:30");
        tzset();
        QVERIFY(QDateTime::fromSecsSinceEpoch(0).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                != QStringLiteral("1970-01-01 00:00:00"));

        MainApplication::getInstance()->initParameters();
        QVERIFY(mirror());
        define(50, 3, QStringLiteral("0"));                       // overvoltage setpoint, %
        define(215, 18, QStringLiteral("0.0"));                   // intake pressure, MPa stored
        define(585, 0, QStringLiteral("0"), true, 4.0f);          // display pressure in psi
        define(43, 0, QStringLiteral("0"));
        define(1330, 0, QStringLiteral("0"), true, 0.0f);
        define(562, 1, QStringLiteral("0"));                      // date and time
        define(885, 0, QStringLiteral("0"));
        define(867, 0, QStringLiteral("0"));
    }

    void dateAndTimeAreUtc()
    {
        QString text;
        QString dateTime;
        QByteArray r = record(50, 15, 0, 0, 0);
        QCOMPARE(LogEvent::getTextEvent(&r, text, dateTime), quint16(15));
        QCOMPARE(dateTime, QStringLiteral("1970-01-01 00:00:00"));
        r = record(50, 15, 0, 0, 4294967295u);
        LogEvent::getTextEvent(&r, text, dateTime);
        QCOMPARE(dateTime, QStringLiteral("2106-02-07 06:28:15"));
        r = record(50, 15, 0, 0, 1700000000u);
        LogEvent::getTextEvent(&r, text, dateTime);
        QCOMPARE(dateTime, QStringLiteral("2023-11-14 22:13:20"));
    }

    void invalidRecordsLeaveOutputsUntouched()
    {
        for (int code : {0, 110, 255}) {
            QString text = QStringLiteral("keep");
            QString dateTime = QStringLiteral("keep too");
            QByteArray r = record(static_cast<quint8>(code), 25002);
            QCOMPARE(LogEvent::getTextEvent(&r, text, dateTime), quint16(0));
            QCOMPARE(text, QStringLiteral("keep"));
            QCOMPARE(dateTime, QStringLiteral("keep too"));
        }
        QString text = QStringLiteral("keep");
        QString dateTime;
        QByteArray shortRecord(8, '\x01');  // ends before the event code
        QCOMPARE(LogEvent::getTextEvent(&shortRecord, text, dateTime), quint16(0));
        QCOMPARE(LogEvent::getTextEvent(nullptr, text, dateTime), quint16(0));
        QCOMPARE(text, QStringLiteral("keep"));

        // A record cut after its id: the values read as 0.
        QByteArray cut = record(1, 3).left(12);
        QCOMPARE(LogEvent::getTextEvent(&cut, text, dateTime), quint16(3));
        QCOMPARE(text, QStringLiteral("Пуск. ") + Common::getTextReasonRun(3));

        // A valid record with id 0 sets its texts though its result reads 0.
        text.clear();
        QByteArray zero = record(50, 0);
        QCOMPARE(LogEvent::getTextEvent(&zero, text, dateTime), quint16(0));
        QCOMPARE(text, QStringLiteral("0"));
    }

    void startAndStopWithReasons()
    {
        QVERIFY(Common::getTextReasonRun(1) != QStringLiteral("1"));
        QCOMPARE(decode(record(1, 1)), QStringLiteral("Пуск. ") + Common::getTextReasonRun(1));
        QVERIFY(Common::getTextReasonStop(4, Common::CellReader()) != QStringLiteral("4"));
        QCOMPARE(decode(record(2, 4)), QStringLiteral("Стоп. ") + Common::getTextReasonStop(4, Common::CellReader()));
        // Reasons without a text come out as their number.
        QCOMPARE(decode(record(1, 25001)), QStringLiteral("Пуск. 25001"));
        QCOMPARE(decode(record(2, 999)), QStringLiteral("Стоп. 999"));
        // A stop by a digital input carries the input's own name.
        define(1231, 0, QStringLiteral("0"), true, 0.0f);
        ParameterDef name;
        name.id = 2125;
        name.valid = true;
        name.value.u = 0x504D5550u;  // "PUMP", first letter lowest
        mirror()->addParameter(name);
        name.id = 2126;
        name.value.u = 0;
        mirror()->addParameter(name);
        QCOMPARE(decode(record(2, 107)), QStringLiteral("Стоп. Цифр. вх. 1 (PUMP)"));
        // An event identifier wins over the event code.
        QCOMPARE(decode(record(1, 25002)), QStringLiteral("Включение питания"));
        QCOMPARE(decode(record(2, 25003)), QStringLiteral("Отключение питания"));
    }

    void setpointChangeOfEnumeration()
    {
        QCOMPARE(decode(record(13, 43, 0.0f, 2.0f)), QStringLiteral("ИзмПарам. Повышенное напряжение Откл -> АПВ"));
        QCOMPARE(decode(record(13, 43, 1.7f, 3.0f)), QStringLiteral("ИзмПарам. Повышенное напряжение Блок -> Вкл"));
        // No journal name: the id stands in.
        QCOMPARE(decode(record(13, 14, 0.0f, 1.0f)),
                 QStringLiteral("ИзмПарам. 14 %1 -> %2").arg(Common::getTextRgmRun(0), Common::getTextRgmRun(1)));
        // quantity * 1000 + unit
        QCOMPARE(LogEvent::getTextChangeSetpoint(1105, 2001.0f, 3002.0f),
                 QStringLiteral("ИзмПарам. %1 %2 -> %3")
                     .arg(LogEvent::getTextFromId(1105), Common::getTextAiParamUnits(2, 1),
                          Common::getTextAiParamUnits(3, 2)));
        QCOMPARE(LogEvent::getTextChangeSetpoint(1367, -18000.0f, 19800.0f),
                 QStringLiteral("ИзмПарам. %1 UTC-05:00 -> UTC+05:00").arg(LogEvent::getTextFromId(1367)));
        QCOMPARE(LogEvent::getTextChangeSetpoint(585, 0.0f, 4.0f),
                 QStringLiteral("ИзмПарам. %1 МПа -> psi").arg(LogEvent::getTextFromId(585)));
        QCOMPARE(LogEvent::getTextChangeSetpoint(1215, 1.0f, 7.0f),
                 QStringLiteral("ИзмПарам. %1 Масло -> 7").arg(LogEvent::getTextFromId(1215)));
        QVERIFY(LogEvent::getTextChangeSetpoint(10001, 0.0f, 1.0f).isEmpty());
        QVERIFY(LogEvent::getTextChangeSetpoint(44, 0.0f, 1.0f).isEmpty());

        // Values no enumeration knows still give a text.
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QCOMPARE(LogEvent::getTextChangeSetpoint(43, -1.0f, nan),
                 QStringLiteral("ИзмПарам. Повышенное напряжение Откл -> Откл"));
        for (quint16 id : {43, 1033, 1105, 1231, 1215, 1367, 585, 14})
            for (float v : {nan, inf, -inf, 1e12f, -1e12f, -0.5f})
                QVERIFY(!LogEvent::getTextChangeSetpoint(id, v, v).isEmpty());

        // Exactly the parameters with an enumeration have a rendering.
        int rendered = 0;
        for (int id = 0; id <= 0xFFFF; ++id)
            if (!LogEvent::getTextChangeSetpoint(static_cast<quint16>(id), 0.0f, 0.0f).isEmpty())
                ++rendered;
        QCOMPARE(rendered, 189);
    }

    void setpointChangeOfFloatAndDate()
    {
        // Pressure stored in MPa, shown in psi by the display-unit setting.
        QCOMPARE(decode(record(13, 215, 1.0f, 2.0f)),
                 QStringLiteral("ИзмПарам. Давление на приёме насоса Уставка останова минимум 145.0 -> 290.1 psi"));
        define(215, 18, QStringLiteral("0.0"), false);
        QCOMPARE(decode(record(13, 215, 1.0f, 2.0f)),
                 QStringLiteral("ИзмПарам. Давление на приёме насоса Уставка останова минимум --- -> --- psi"));
        define(215, 18, QStringLiteral("0.0"), true);

        // Date-times arrive as whole unsigned seconds.
        QCOMPARE(decode(rawRecord(13, 562, 0, 1700000000u)),
                 QStringLiteral("ИзмПарам. %1  -> 2023.11.14 22:13:20 ").arg(LogEvent::getTextFromId(562)));

        // Not a parameter of the mirror: plain numbers.
        QCOMPARE(decode(record(13, 30000, 1e-7f, 123456789.0f)), QStringLiteral("ИзмПарам. 30000 1e-07 -> 1.23457e+08"));
        QCOMPARE(decode(record(13, 30000, 2.5f, 10.0f)), QStringLiteral("ИзмПарам. 30000 2.5 -> 10"));
    }

    void protectionTripsWithValues()
    {
        QCOMPARE(decode(record(13, 25006, 112.0f, 110.0f)),
                 QStringLiteral("Сработала защита: Повышенное напряжение 112 > 110 %"));
        define(50, 3, QStringLiteral("0"), false);
        QCOMPARE(decode(record(13, 25006, 112.0f, 110.0f)),
                 QStringLiteral("Сработала защита: Повышенное напряжение --- > --- %"));
        define(50, 3, QStringLiteral("0"), true);
        QCOMPARE(decode(record(13, 25044, 0.5f, 1.0f)),
                 QStringLiteral("Сработала защита: Давление на приёме насоса 72.5 < 145.0 psi"));
        // The parameter of 25225 is not in the mirror: plain numbers without a unit.
        QVERIFY(!mirror()->getParameter(1177));
        QCOMPARE(decode(record(13, 25225, 1.25f, 2.0f)), QStringLiteral("Сработала защита: Рассинхронизация ПВЭД 1.25 > 2 "));

        QCOMPARE(decode(record(50, 25096, 3.5f, 3.96f)),
                 QStringLiteral("Сработала защита: По мин.сигналу аналогового входа 1 3.5 < 4.0"));
        QCOMPARE(decode(record(50, 25212, 21.04f, 20.0f)),
                 QStringLiteral("Сработала защита: По макc.сигналу аналогового входа 4 21.0 > 20.0"));
        QCOMPARE(decode(record(50, 25119, 5.0f, 4.0f)), QStringLiteral("Сработала защита: Превышение числа пусков 5 > 4"));
        QCOMPARE(decode(record(50, 25141, 0.0f, 1.23456f)),
                 QStringLiteral("Автоадаптация к ТМПН векторного управления успешно завершена. Подобранное сопротивление "
                                "1.2346 Ом"));
        QCOMPARE(decode(record(50, 25230, 1.0f, 0.0f)), QStringLiteral("Сработала защита: Цифровой вход 8 Размыкание"));
        QCOMPARE(decode(record(50, 25233, 1.0f, 0.0f)), QStringLiteral("Сработала защита: Чередование фаз CBA"));
        QCOMPARE(decode(record(50, 25052)), QStringLiteral("Сработала защита: Блокировка двери"));
    }

    void identifierEventsWithSuffixes()
    {
        QCOMPARE(decode(record(50, 25007)), QStringLiteral("АПВ по защите: Повышенное напряжение"));
        QCOMPARE(decode(record(50, 25008)), QStringLiteral("Пуск запрещён: Повышенное напряжение"));
        QCOMPARE(decode(record(50, 25009)), QStringLiteral("Блокировка по защите: Повышенное напряжение"));
        QCOMPARE(decode(record(50, 23233)), QStringLiteral("Блокировка по защите: Цифровой вход 8"));
        QCOMPARE(decode(record(50, 25279)), QStringLiteral("АПВ по защите: 25279"));
        QCOMPARE(decode(record(50, 25201)), QStringLiteral("Загрузка конфигурации c USB накопителя"));

        QCOMPARE(decode(record(50, 25064, 0.0f, 3.0f)), QStringLiteral("Подключение ТМС ") + Common::getTextDhsType(DhsBorets));
        QCOMPARE(decode(record(50, 25064, 0.0f, 99.0f)), QStringLiteral("Подключение ТМС 99"));
        QCOMPARE(decode(record(50, 25066, 0.0f, 2.0f)), QStringLiteral("Подключение ЧРП Danfoss"));
        QCOMPARE(decode(record(50, 25198, 0.0f, 3.0f)), QStringLiteral("Сохранение уставок в профиль 3"));

        // A setting error names the setting and shows its value in its unit.
        QCOMPARE(decode(record(50, 25158, 50.0f, 112.0f)),
                 QStringLiteral("Толчковый. Ошибка задания параметра: Повышенное напряжение Уставка останова 112 %"));
        QCOMPARE(decode(record(50, 25158, 65000.0f, 7.5f)), QStringLiteral("Толчковый. Ошибка задания параметра: 65000 7.5 "));
        QCOMPARE(decode(record(50, 25272, 215.0f, 1.5f)),
                 QStringLiteral("Zazarere. Прервано. Давление на приёме насоса Уставка останова минимум 1.5 psi"));
        QCOMPARE(decode(record(50, 25272, -3.0f, 1.5f)), QStringLiteral("Zazarere. Прервано. -3 1.5 "));

        // Sensor marking only for oil company 1.
        const QString fault = QStringLiteral("Отказ датчика давления на приёме насоса");
        QCOMPARE(decode(record(50, 25169)), fault);
        setValue(1330, 1.0f);
        QCOMPARE(decode(record(50, 25169)), fault + QStringLiteral(" P1"));
        QCOMPARE(decode(record(50, 25189)), QStringLiteral("Отказ датчика расхода жидкости на выкиде насоса Q"));
        QCOMPARE(decode(record(50, 25185)), QStringLiteral("Отказ датчика давления на выкиде насоса, затрубное"));
        setValue(1330, 1.9f);
        QCOMPARE(decode(record(50, 25169)), fault + QStringLiteral(" P1"));
        setValue(1330, 2.0f);
        QCOMPARE(decode(record(50, 25169)), fault);
        setValue(1330, 0.0f);
    }

    void driveAlarmsAndWarnings()
    {
        QVERIFY(Common::getTextVsdAlarm(1, true) != QStringLiteral("1"));
        QCOMPARE(decode(record(104, 1)), QStringLiteral("Сработала защита: ЧРП. ") + Common::getTextVsdAlarm(1, true));
        QCOMPARE(decode(record(104, 65000)), QStringLiteral("Сработала защита: ЧРП. 65000"));
        QVERIFY(Common::getTextVsdWarning(1, true) != QStringLiteral("1"));
        QCOMPARE(decode(record(105, 1)), QStringLiteral("Предупреждение: ЧРП. ") + Common::getTextVsdWarning(1, true));
        QCOMPARE(decode(record(105, 65000)), QStringLiteral("Предупреждение: ЧРП. 65000"));
    }

    void linkLostAndRestored()
    {
        QCOMPARE(decode(record(33, 15, 0.0f, 0.0f)), QStringLiteral("Реж.раб. Потеряна"));
        QCOMPARE(decode(record(37, 15, 0.0f, 1.0f)), QStringLiteral("Реж.раб. Восстановлена"));
        QCOMPARE(decode(record(38, 15, 0.0f, 2.0f)), QStringLiteral("Реж.раб. "));
        QCOMPARE(decode(record(33, 15, 0.0f, 65537.0f)), QStringLiteral("Реж.раб. Восстановлена"));
        QCOMPARE(decode(record(33, 15, 0.0f, std::numeric_limits<float>::quiet_NaN())), QStringLiteral("Реж.раб. Потеряна"));
        QCOMPARE(decode(record(33, 15, 0.0f, -1.0f)), QStringLiteral("Реж.раб. Потеряна"));
    }

    void parameterChangeSuffixes()
    {
        const QString change = QStringLiteral("ИзмПарам. %1");
        QCOMPARE(decode(rawRecord(107, 885, 7, 123)), change.arg(LogEvent::getTextFromId(885)) + QStringLiteral(" 07000000123"));
        QCOMPARE(decode(rawRecord(107, 886, 4294967295u, 999999999u)),
                 change.arg(LogEvent::getTextFromId(886)) + QStringLiteral(" 4294967295999999999"));
        QCOMPARE(decode(record(107, 867, 192168.0f, 1001.0f)),
                 change.arg(LogEvent::getTextFromId(867)) + QStringLiteral(" 192.168.1.1"));
        QCOMPARE(decode(record(107, 871, 255255.0f, 255000.0f)),
                 change.arg(LogEvent::getTextFromId(871)) + QStringLiteral(" 255.255.255.0"));
        QCOMPARE(decode(rawRecord(107, 1662, 0x41420043u, 0)),
                 change.arg(LogEvent::getTextFromId(1662)) + QStringLiteral(" ABC"));
        // Markers in a stored name are text, not place holders.
        QCOMPARE(decode(rawRecord(107, 2126, 0x25312532u, 0x25330000u)),
                 change.arg(LogEvent::getTextFromId(2126)) + QStringLiteral(" %1%2%3"));
        QCOMPARE(decode(rawRecord(107, 2127, 0x41420043u, 0)), change.arg(LogEvent::getTextFromId(2127)));
        QCOMPARE(decode(record(107, 15)), QStringLiteral("ИзмПарам. Реж.раб."));
    }

    void journalNames()
    {
        QCOMPARE(LogEvent::getTextFromId(15), QStringLiteral("Реж.раб."));
        QCOMPARE(LogEvent::getTextFromId(20049), QStringLiteral("Коэффициент трансформации тока"));
        QCOMPARE(LogEvent::getTextFromId(1109), QStringLiteral("Ан. вх. 1 Пуск макс."));
        QCOMPARE(LogEvent::getTextFromId(1112), QStringLiteral("Ан. вх. 4 Пуск макс."));
        QVERIFY(LogEvent::getTextFromId(473).contains(QStringLiteral("\"Текущие параметры\"")));
        for (int id : {14, 432, 15002, 25002, -5, 70000})
            QCOMPARE(LogEvent::getTextFromId(id), QString::number(id));
    }

    // Every identifier and every named parameter decodes to a text or its number.
    void sweepIdentifiersAndNames()
    {
        const QRegularExpression leftover(QStringLiteral("%\\d"));
        int identifiers = 0;
        for (int id = 25000; id <= 25352; ++id) {
            const QString text = decode(record(50, static_cast<quint16>(id), 1.0f, 2.0f));
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(id)));
            QVERIFY2(!leftover.match(text).hasMatch(), qPrintable(text));
            const bool isIdentifier = id <= 25351 && !kNotIdentifiers.contains(id);
            // Any other number falls through to the event code: its journal name, which none has.
            QCOMPARE(text == QString::number(id), !isIdentifier);
            // An identifier reads the same whatever the event code.
            QCOMPARE(decode(record(13, static_cast<quint16>(id), 1.0f, 2.0f)) == text, isIdentifier);
            identifiers += isIdentifier;
        }
        QCOMPARE(identifiers, 294);

        int named = 0;
        for (int id = 0; id <= 0xFFFF; ++id) {
            const QString name = LogEvent::getTextFromId(id);
            QVERIFY(!name.isEmpty());
            if (name != QString::number(id))
                ++named;
        }
        QCOMPARE(named, 1238);
        for (int id = 0; id <= 20100; ++id) {
            if (LogEvent::getTextFromId(id) == QString::number(id))
                continue;
            for (quint8 code : {13, 107, 33, 50}) {
                const QString text = decode(record(code, static_cast<quint16>(id), 3.0f, -1.0f));
                QVERIFY2(!text.isEmpty() && !leftover.match(text).hasMatch(), qPrintable(text));
            }
        }
    }

    // Random records: every one decodes without a crash, and valid codes always give a text.
    void randomRecords()
    {
        QRandomGenerator rng(20261207);
        for (int i = 0; i < 200000; ++i) {
            QByteArray r(LogEvent::kRecordSize, '\0');
            for (int k = 0; k < r.size(); ++k)
                r[k] = static_cast<char>(rng.bounded(256));
            if (i % 2)  // aim half of them at the identifiers and the named parameters
                putLe(r, 10, i % 4 == 1 ? 25000 + rng.bounded(360) : rng.bounded(2200), 2);
            QString text;
            QString dateTime;
            const quint8 code = static_cast<quint8>(r.at(8));
            LogEvent::getTextEvent(&r, text, dateTime);
            if (code >= 1 && code <= 109) {
                QVERIFY(!text.isEmpty());
                QCOMPARE(dateTime.size(), 19);
            }
        }
    }
};

RVK_TEST_MAIN(TestLogEventDecode)
#include "tst_logeventdecode.moc"
