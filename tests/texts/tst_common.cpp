#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

unTypeData fromFloat(float f)
{
    unTypeData v;
    v.f = f;
    return v;
}

ParameterDef makeDef(quint16 id, quint8 physic, quint8 unitOut, const QString& mask = QString())
{
    ParameterDef def;
    def.id = id;
    def.physic = physic;
    def.unitOut = unitOut;
    def.mask = mask;
    def.valid = true;
    return def;
}

quint16 settingOf(int physic)
{
    switch (physic) {
    case 18: return 585;
    case 19: return 586;
    case 20: return 587;
    case 23: return 589;
    case 32: return 1650;
    default: return 0;
    }
}

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fallbacksAndSuffixes();
    void timeZone();
    void startReasonTexts();
    void customInputName();
    void stopReasonCarriesInputName();
    void rangeCheckEdges();
    void valueText();
    void durationTextsParseBack();
    void unitConversionsThroughMirror();
    void everyNonIdentityCellRoundTrips();
    void unitTextsFollowDisplaySettings();
    void displayNames_data();
    void displayNames();
    void crcAndIntegerConversions();
    void percent();

private:
    Parameters* mirror_ = nullptr;
};

void TestCommon::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app);
    QVERIFY(!app->params());
    app->initParameters();
    mirror_ = app->params();
    QVERIFY(mirror_);
    for (quint16 id : {quint16(585), quint16(586), quint16(587), quint16(589), quint16(1650)})
        mirror_->addParameter(makeDef(id, 0, 0));
}

void TestCommon::fallbacksAndSuffixes()
{
    QCOMPARE(Common::getTextDhsType(DhsBorets), QString("Борец СПТ-1"));
    QCOMPARE(Common::getTextDhsType(DhsEtalon06), QString("Эталон-06"));
    QCOMPARE(Common::getTextDhsType(static_cast<typeDHS>(26)), QString("26"));
    QCOMPARE(Common::getTextProtMode(4), QString());
    QCOMPARE(Common::getTextVsdType(4), QString("4"));
    QCOMPARE(Common::getTextVsdType(2), QString("Danfoss"));
    QCOMPARE(Common::getTextTypeMtr(2), QString("Неизвестный"));
    QCOMPARE(Common::getTextRgmRun(13), QString("Неизвестный тип пуска"));
    QCOMPARE(Common::getTextTypeAI(0), QString("0 - 10 В"));
    QCOMPARE(Common::getTextTypeAO(0), QString("Откл"));
    QCOMPARE(Common::getTextMotorProfile(0), QString("3000 Об/мин"));
    QCOMPARE(Common::getTextMotorProfile(3000), QString("3000 Об/мин"));
    QCOMPARE(Common::getTextMotorProfile(4), QString());
    QCOMPARE(Common::getTextAiAxisZeroShift(-1), QString("Минус"));
    QCOMPARE(Common::getTextAiAxisZeroShift(0), QString("0"));
    QCOMPARE(Common::getTextSourceTemperature(SensorTemperatureOil), QString("Масло"));
    QCOMPARE(Common::getTextSourceTemperature(static_cast<sensorTemperatureMotor>(-2)), QString("-2"));
    QCOMPARE(Common::getTextRgmRun(3), QString("С раскачкой"));
    QCOMPARE(Common::getTextChanelVsd(3), QString("3"));
    QCOMPARE(Common::getTextRotation(2), QString());
    QCOMPARE(Common::getTextAlarmVSDMode(9), QString());
    QCOMPARE(Common::getTextConnect(2), QString());
    QCOMPARE(Common::getTextConnect(0), QString("Потеряна"));
    QCOMPARE(Common::getTextReasonStop(0, Common::CellReader()), QString());
    QCOMPARE(Common::getTextReasonStop(157, Common::CellReader()), QString("157"));
    QCOMPARE(Common::getTextReasonStop(129, Common::CellReader()), QString("Перегрев радиатора"));
    QCOMPARE(Common::getTextReasonStop(142, Common::CellReader()), QString("Цифр. вх. 13"));
    QCOMPARE(Common::getTextVsdAlarm(9999, true), QString("9999"));
    QCOMPARE(Common::getTextVsdAlarm(9999, false), QString());
    QCOMPARE(Common::getTextVsdWarning(9999, false), QString());
    QVERIFY(!Common::getTextVsdAlarm(1, false).isEmpty());
    QCOMPARE(Common::getTextTimeZone(0), QString("UTC+00:00"));
    QCOMPARE(Common::getTextUnitTemperature(1), QString::fromUtf8("\xC2\xB0" "F"));
    QCOMPARE(Common::getTextUnitTemperature(7), QString::fromUtf8("\xC2\xB0" "C"));
    QCOMPARE(Common::getTextUnitResistance(0), QString("Ом"));
    QCOMPARE(Common::getTextUnitTime(9), QString());
    QCOMPARE(Common::getTextAiUnit(10, 4), QString("psi"));
    QCOMPARE(Common::getTextAiUnit(12, 0), QString());
    QCOMPARE(Common::getTextAiParamUnits(1, 2), QString("кг/см2"));
    QCOMPARE(Common::getTextAiParamUnits(0, 2), QString("2"));
}

void TestCommon::timeZone()
{
    QCOMPARE(Common::getTextTimeZone(-10800), QString("UTC-03:00"));
    QCOMPARE(Common::getTextTimeZone(19800), QString("UTC+05:00"));
    QCOMPARE(Common::getTextTimeZone(-1800), QString("UTC-00:00"));
    QCOMPARE(Common::getTextTimeZone(std::numeric_limits<int>::min()), QString("UTC-596523:00"));
}

void TestCommon::startReasonTexts()
{
    const struct {
        int reason;
        const char* text;
    } rows[] = {
        {0, ""},
        {1, "Оператор"},
        {20, "Смена направления вращения"},
        {21, "АПВ по дисбалансу напряжения"},
        {24, "Пуск по программе"},
        {28, "Пуск по телеуправлению"},
        {72, "Пуск по цифр. вх. 1"},
        {107, "АПВ по цифр. вх. 1"},
        {123, "АПВ по цифр. вх. 10"},
        {142, "АПВ по цифр. вх. 13"},
        {153, "АПВ по цифр. вх. 24"},
        {156, "Пуск после обновления ПО"},
        {157, "157"},
        {-3, "-3"},
    };
    for (const auto& row : rows)
        QCOMPARE(Common::getTextReasonRun(row.reason), QString(row.text));

    // Every reason up to 156 has a text of its own, so the statistics list tells them apart.
    QSet<QString> seen;
    for (int reason = 1; reason <= 156; ++reason) {
        const QString text = Common::getTextReasonRun(reason);
        QVERIFY2(!text.isEmpty() && text != QString::number(reason), qPrintable(QString::number(reason)));
        QVERIFY2(!seen.contains(text), qPrintable(text));
        seen.insert(text);
    }
}

void TestCommon::customInputName()
{
    QHash<quint16, quint32> cells;
    const Common::CellReader read = [&cells](quint16 id) { return cells.value(id); };

    // "Pump" in the first word, first letter in the low byte; the second word empty.
    cells[2125] = 0x706D7550u;
    cells[2126] = 0;
    QCOMPARE(Common::getTextDiParameter(0, 2125, 2126, read), QString("Pump"));
    QCOMPARE(Common::getTextDiParameter(0, 0, 2126, read), QString());
    QCOMPARE(Common::getTextDiParameter(0, 2125, 0, read), QString());
    QCOMPARE(Common::getTextDiParameter(0, 2125, 2126, Common::CellReader()), QString());

    // All eight bytes when there is no zero; a zero in the middle ends the name.
    cells[2126] = 0x33323130u;
    QCOMPARE(Common::getTextDiParameter(0, 2125, 2126, read), QString("Pump0123"));
    cells[2125] = 0x00007550u;
    QCOMPARE(Common::getTextDiParameter(0, 2125, 2126, read), QString("Pu"));

    // UTF-8 across the two words: "Насос" is 10 bytes, so only "Насо" (8 bytes) fits.
    const QByteArray utf = QString("Насо").toUtf8();
    QCOMPARE(utf.size(), 8);
    quint32 w[2];
    std::memcpy(w, utf.constData(), 8);  // little-endian host
    cells[2125] = w[0];
    cells[2126] = w[1];
    QCOMPARE(Common::getTextDiParameter(0, 2125, 2126, read), QString("Насо"));

    QCOMPARE(Common::getTextDiParameter(2, 0, 0, read), QString("Авария реле контроля фаз"));
    QCOMPARE(Common::getTextDiParameter(5, 0, 0, Common::CellReader()), QString("5"));
}

void TestCommon::stopReasonCarriesInputName()
{
    QHash<quint16, quint32> cells;
    const Common::CellReader read = [&cells](quint16 id) { return cells.value(id); };
    cells[2125] = 0x706D7550u;
    cells[2126] = 0;
    cells[1231] = Common::floatBits(0.0f);
    QCOMPARE(Common::getTextReasonStop(107, read), QString("Цифр. вх. 1 (Pump)"));
    // Without cells the bare input.
    QCOMPARE(Common::getTextReasonStop(107, Common::CellReader()), QString("Цифр. вх. 1"));
    cells[1231] = Common::floatBits(1.0f);
    QCOMPARE(Common::getTextReasonStop(107, read), QString("Цифр. вх. 1 (Контактный манометр)"));
    // A choice past the name texts adds nothing.
    cells[1231] = Common::floatBits(7.0f);
    QCOMPARE(Common::getTextReasonStop(107, read), QString("Цифр. вх. 1"));
    // Input 2 has no name set up: its configured name is empty.
    QCOMPARE(Common::getTextReasonStop(108, read), QString("Цифр. вх. 2"));
    // Input 10 reads its own choice and words.
    cells[1238] = Common::floatBits(0.0f);
    cells[2139] = 0x4E49u;  // "IN"
    cells[2140] = 0;
    QCOMPARE(Common::getTextReasonStop(123, read), QString("Цифр. вх. 10 (IN)"));
}

void TestCommon::rangeCheckEdges()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!Common::checkRange(nan, 0, 10, 1));
    QVERIFY(Common::checkRange(-0.5, 0, 10, 1));
    QVERIFY(!Common::checkRange(-0.51, 0, 10, 1));
    QVERIFY(Common::checkRange(10.5, 0, 10, 1));
    QVERIFY(!Common::checkRange(10.51, 0, 10, 1));
    // k = 10: half a step of 0.1
    QVERIFY(Common::checkRange(10.05, 0, 10, 10));
    QVERIFY(!Common::checkRange(10.06, 0, 10, 10));
    QVERIFY(Common::checkRange(-0.05, 0, 10, 10));
    QVERIFY(!Common::checkRange(-0.06, 0, 10, 10));
}

void TestCommon::valueText()
{
    ParameterDef def = makeDef(1, 3, 0, "9999.99");
    QCOMPARE(Common::getTextValue(fromFloat(12.345f), &def, true, false), QString("12.35"));
    QCOMPARE(Common::getTextValue(fromFloat(12.345f), &def, false, false), QString("---"));
    def.mask = "99.9.999";
    QCOMPARE(Common::getTextValue(fromFloat(1.5f), &def, true, false), QString("1.500"));
    def.mask = "9999";
    QCOMPARE(Common::getTextValue(fromFloat(-7.6f), &def, true, false), QString("-8"));
    def.mask = QString();
    QCOMPARE(Common::getTextValue(fromFloat(3.0f), &def, true, false), QString("3"));

    ParameterDef date = makeDef(562, 1, 0);
    // The cell holds seconds as an unsigned integer: 2021-03-04 05:06:07 UTC, to the second.
    unTypeData when;
    when.u = 1614834367u;
    QCOMPARE(Common::getTextValue(when, &date, true, false), QString("2021.03.04 05:06:07"));
    date.unitOut = 1;
    QCOMPARE(Common::getTextValue(when, &date, true, false), QString("21.03.04"));
    unTypeData zero;
    zero.u = 0;
    QCOMPARE(Common::getTextValue(zero, &date, true, false), QString());
    QCOMPARE(Common::getTextValue(zero, &date, false, false), QString("---"));

    ParameterDef time = makeDef(330, 2, 0, "999.9");
    QCOMPARE(Common::getTextValue(fromFloat(90.0f), &time, true, false), QString("90.0"));
    time.unitOut = 3;
    QCOMPARE(Common::getTextValue(fromFloat(5.25f), &time, true, false), QString("05:250"));
    time.unitOut = 4;
    QCOMPARE(Common::getTextValue(fromFloat(90.0f), &time, true, false), QString("1.5"));
    time.unitOut = 5;
    QCOMPARE(Common::getTextValue(fromFloat(3725.0f), &time, true, false), QString("62:05"));
    time.unitOut = 6;
    QCOMPARE(Common::getTextValue(fromFloat(5400.0f), &time, true, false), QString("1.5"));
    time.unitOut = 7;
    QCOMPARE(Common::getTextValue(fromFloat(3725.0f), &time, true, false), QString("01:02"));
    time.unitOut = 8;
    QCOMPARE(Common::getTextValue(fromFloat(3725.0f), &time, true, false), QString("01:02:05"));
    QCOMPARE(Common::getTextValue(fromFloat(360000.0f), &time, true, false), QString("100:00:00"));
    QCOMPARE(Common::getTextValue(fromFloat(std::numeric_limits<float>::quiet_NaN()), &time, true, false),
             QString("---"));
    // Far beyond any real duration the shown time saturates, alike on every CPU.
    const QList<QPair<int, QString>> huge = {
        {3, "999999999:999"}, {5, "16666666666:39"}, {7, "16666666666:39"}, {8, "277777777:46:39"}};
    for (const auto& c : huge) {
        time.unitOut = static_cast<quint8>(c.first);
        QCOMPARE(Common::getTextValue(fromFloat(1e30f), &time, true, false), c.second);
        QCOMPARE(Common::getTextValue(fromFloat(-1e30f), &time, true, false), "-" + c.second);
    }
}

void TestCommon::durationTextsParseBack()
{
    float s = -1.0f;
    QVERIFY(Common::parseTimeText("01:02:05", 8, &s));
    QCOMPARE(s, 3725.0f);
    QVERIFY(Common::parseTimeText("62:05", 5, &s));
    QCOMPARE(s, 3725.0f);
    QVERIFY(Common::parseTimeText("01:02", 7, &s));
    QCOMPARE(s, 3720.0f);
    QVERIFY(Common::parseTimeText("05:250", 3, &s));
    QCOMPARE(s, 5.25f);
    QVERIFY(Common::parseTimeText("1.5", 4, &s));
    QCOMPARE(s, 90.0f);
    QVERIFY(Common::parseTimeText("250", 2, &s));
    QCOMPARE(s, 0.25f);

    // Bad input leaves the value alone.
    s = 42.0f;
    const QList<QPair<QString, int>> bad = {
        {"", 5}, {"1:2:3", 5}, {"01:60", 5}, {"aa:bb", 5}, {"-01:00", 5}, {"01:02:60", 8},
        {"12", 8}, {"01:02", 8}, {"1e40", 0}, {"1,5", 4},
    };
    for (const auto& c : bad) {
        QVERIFY2(!Common::parseTimeText(c.first, c.second, &s), qPrintable(c.first));
        QCOMPARE(s, 42.0f);
    }
    QVERIFY(!Common::parseTimeText("1:1000", 3, &s));
    QVERIFY(!Common::parseTimeText("nan", 0, &s));
    QVERIFY(!Common::parseTimeText("1", 0, nullptr));

    // What the formatter writes reads back as the same seconds.
    for (int unit : {3, 5, 7, 8}) {
        ParameterDef def = makeDef(1, 2, static_cast<quint8>(unit));
        const float seconds = unit == 3 ? 12.5f : 7260.0f;
        const QString text = Common::getTextValue(fromFloat(seconds), &def, true, false);
        QVERIFY2(Common::parseTimeText(text, unit, &s), qPrintable(text));
        QCOMPARE(s, seconds);
    }
}

void TestCommon::unitConversionsThroughMirror()
{
    Parameters& p = *mirror_;
    ParameterDef temp = makeDef(100, 19, 0);
    ParameterDef pressure = makeDef(101, 18, 0);
    ParameterDef flow = makeDef(102, 23, 0);
    ParameterDef power = makeDef(103, 32, 0);
    ParameterDef vibration = makeDef(104, 20, 0);

    p.slotParamUpdated(586, Common::floatBits(1.0f), 0);
    QCOMPARE(p.convertFrom(10.0f, &temp, false, true), 50.0f);
    QCOMPARE(p.convertTo(50.0f, &temp, false), 10.0f);
    QCOMPARE(p.convertFrom(10.0f, &temp, false, false), 10.0f);  // the stored unit when the setting is ignored

    p.slotParamUpdated(585, Common::floatBits(4.0f), 0);
    QVERIFY(qAbs(p.convertFrom(1.0f, &pressure, false, true) - 145.04f) < 0.01f);
    p.slotParamUpdated(585, Common::floatBits(9.0f), 0);  // past the table: the stored unit
    QCOMPARE(p.convertFrom(1.0f, &pressure, false, true), 1.0f);

    p.slotParamUpdated(589, Common::floatBits(1.0f), 0);
    QVERIFY(qAbs(p.convertFrom(24.0f, &flow, false, true) - 1.0f) < 1e-6f);
    QVERIFY(qAbs(p.convertTo(1.0f, &flow, false) - 24.0f) < 1e-4f);

    p.slotParamUpdated(1650, Common::floatBits(1.0f), 0);
    QCOMPARE(p.convertTo(45.0f, &power, false), 45000.0f);
    QCOMPARE(p.convertFrom(45000.0f, &power, false, true), 45.0f);
    p.slotParamUpdated(1650, Common::floatBits(2.0f), 0);
    QVERIFY(qAbs(p.convertFrom(735.49875f, &power, false, true) - 1.0f) < 1e-6f);

    p.slotParamUpdated(587, Common::floatBits(1.0f), 0);
    QVERIFY(qAbs(p.convertFrom(1.0f, &vibration, false, true) - 9.80665f) < 1e-5f);

    // Date-time never converts; durations only in microseconds, milliseconds or when forced.
    ParameterDef date = makeDef(562, 1, 3);
    QCOMPARE(p.convertFrom(1234.0f, &date, false, true), 1234.0f);
    ParameterDef minutes = makeDef(330, 2, 4);
    QCOMPARE(p.convertFrom(120.0f, &minutes, false, true), 120.0f);
    QCOMPARE(p.convertFrom(120.0f, &minutes, true, true), 2.0f);
    ParameterDef millis = makeDef(331, 2, 2);
    QCOMPARE(p.convertFrom(1.5f, &millis, false, true), 1500.0f);
    QCOMPARE(p.convertTo(1500.0f, &millis, false), 1.5f);

    for (quint16 id : {quint16(585), quint16(586), quint16(587), quint16(589), quint16(1650)})
        p.slotParamUpdated(id, 0, 0);
}

void TestCommon::everyNonIdentityCellRoundTrips()
{
    int checked = 0;
    for (int physic = 0; physic <= 32; ++physic) {
        QCOMPARE(Common::units[physic][0].scale, 1.0f);
        QCOMPARE(Common::units[physic][0].offset, 0.0f);
        for (int unit = 1; unit < 9; ++unit) {
            const Common::UnitFactor f = Common::units[physic][unit];
            QVERIFY(f.scale > 0.0f);
            if (f.scale == 1.0f && f.offset == 0.0f)
                continue;
            // Without display settings or time rules, unitOut picks the column in both directions.
            ParameterDef def = makeDef(200, static_cast<quint8>(physic), static_cast<quint8>(unit));
            for (float x : {-40.0f, 0.37f, 1234.5f}) {
                const float shown = mirror_->convertFrom(x, &def, true, false);
                QCOMPARE(shown, f.offset + x * f.scale);
                const float back = (shown - f.offset) / f.scale;
                QVERIFY2(qAbs(back - x) <= 1e-5f * qMax(1.0f, qAbs(x)),
                         qPrintable(QString("physic %1 unit %2 x %3 back %4").arg(physic).arg(unit).arg(x).arg(back)));
                // The quantities with a display setting take the column from it on the way back.
                const quint16 setting = settingOf(physic);
                if (setting)
                    mirror_->slotParamUpdated(setting, Common::floatBits(static_cast<float>(unit)), 0);
                const float viaMirror = mirror_->convertTo(shown, &def, true);
                if (setting)
                    mirror_->slotParamUpdated(setting, 0, 0);
                QVERIFY(qAbs(viaMirror - x) <= 1e-5f * qMax(1.0f, qAbs(x)));
            }
            ++checked;
        }
    }
    QVERIFY(checked >= 40);
    // Physically correct factors, a few by hand.
    QVERIFY(qAbs(Common::units[4][3].scale - 3.28084f) < 1e-5f);
    QVERIFY(qAbs(Common::units[18][1].scale - 9.86923f) < 1e-5f);
    QVERIFY(qAbs(Common::units[23][2].scale - 6.28981f) < 1e-5f);
    QVERIFY(qAbs(Common::units[14][2].scale - 0.1047198f) < 1e-7f);
}

void TestCommon::unitTextsFollowDisplaySettings()
{
    Parameters& p = *mirror_;
    ParameterDef pressure = makeDef(101, 18, 0);
    p.slotParamUpdated(585, Common::floatBits(4.0f), 0);
    QCOMPARE(p.getTextUnit(&pressure), QString("psi"));
    p.slotParamUpdated(585, 0, 0);
    QCOMPARE(p.getTextUnit(&pressure), QString("МПа"));
    ParameterDef power = makeDef(103, 32, 0);
    p.slotParamUpdated(1650, Common::floatBits(2.0f), 0);
    QCOMPARE(p.getTextUnit(&power), QString("Л.С."));
    p.slotParamUpdated(1650, 0, 0);

    ParameterDef current = makeDef(2, 9, 1);
    QCOMPARE(p.getTextUnit(&current), QString("мА"));
    ParameterDef time = makeDef(330, 2, 8);
    QCOMPARE(p.getTextUnit(&time), QString("чч:мм:сс"));
    ParameterDef freq = makeDef(10001, 7, 1);
    QCOMPARE(p.getTextUnit(&freq), QString("кГц"));
    ParameterDef cable = makeDef(36, 6, 1);
    QCOMPARE(p.getTextUnit(&cable), QString("AWG"));
    QCOMPARE(Common::getTextUnitPhysic(33, 0), QString());
    QCOMPARE(Common::getTextUnitPhysic(16, 3), QString("мОм"));
    QCOMPARE(Common::getTextUnitPhysic(27, 1), QString());
}

void TestCommon::displayNames_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QString>("name");  // empty: the id in decimal

    QTest::newRow("reset commands of the protection screens")
        << QList<int>{602, 603, 604, 605, 606, 609, 610, 611, 612, 613, 616, 617, 618, 619, 726, 780, 917, 935, 953,
                      966, 984, 1578, 2076, 2108, 621, 622, 623, 624, 626, 627, 628, 629, 1307, 1308, 1309, 1310,
                      1789, 1811, 1833, 1855, 1877, 1899, 1921, 1943, 1965, 1987, 2009, 2031}
        << "Сбросить значения уставок по умолчанию?";
    QTest::newRow("deviation alarms and their switch")
        << QList<int>{1483, 1484, 1485, 1486, 1487, 1488, 1489, 1490, 1491, 1492, 1493, 1494, 1495, 1496, 1497,
                      1498, 1499, 1500, 1501, 1502, 1503, 1504, 1505, 1506, 1507, 1508, 1509, 1510, 1511, 1512,
                      1577, 1807, 1829, 2049, 2075, 2107}
        << "Сигнализация отклонения рабочих параметров";
    QTest::newRow("protection actions")
        << QList<int>{43, 58, 73, 88, 103, 118, 133, 148, 163, 178, 193, 208, 223, 238, 253, 268, 328, 388, 402, 417,
                      778, 918, 936, 967, 1239, 1560, 1790, 2056, 2088}
        << "Действие защиты";
    QTest::newRow("start and technological mode switches")
        << QList<int>{447, 455, 464, 474, 483, 494, 499, 503, 673, 680, 691, 783, 955, 1012, 1020, 1336}
        << "Действие режима";
    QTest::newRow("custom input names") << QList<int>{2125, 2126, 2127, 2132, 2133, 2140} << "Название входа";
    QTest::newRow("input name choice") << QList<int>{1231, 1238, 1788} << "Название входа";
    QTest::newRow("serial numbers") << QList<int>{550, 886} << "Заводской номер СУ";
    QTest::newRow("link counter resets") << QList<int>{912, 913, 998} << "Сбросить счётчики качества связи";
    QTest::newRow("saved drive word 1") << QList<int>{887, 10056} << "Сл.сост.ЧРП1";
    QTest::newRow("saved drive word 7") << QList<int>{889, 10131} << "Сл.сост.ЧРП7";
    QTest::newRow("digital input 1") << QList<int>{24} << "Цифр. вх. 1";
    QTest::newRow("digital input 10") << QList<int>{814} << "Цифр. вх. 10";
    QTest::newRow("digital input 24") << QList<int>{1785} << "Цифр. вх. 24";
    QTest::newRow("analog input 4") << QList<int>{841} << "Ан. вх. 4";
    QTest::newRow("analog input 8 type, with its full stop") << QList<int>{1073} << "Ан. вх. 8. Тип";
    QTest::newRow("phase currents A") << QList<int>{2, 857, 1167, 1532, 1544} << "Ток фазы A";
    QTest::newRow("coefficient C, Cyrillic") << QList<int>{510, 1414, 1417} << "Коэффициент С";
    QTest::newRow("soft start, inner quotes") << QList<int>{1122} << "Режим \"мягкого\" пуска";
    QTest::newRow("operation progress") << QList<int>{724} << "Прогресс операции";
    QTest::newRow("no name") << QList<int>{15101, 10065, 10302, 10303, -1} << QString();
}

void TestCommon::displayNames()
{
    QFETCH(QList<int>, ids);
    QFETCH(QString, name);
    for (int id : ids)
        QCOMPARE(Common::getTextFromId(id), name.isEmpty() ? QString::number(id) : name);
}

void TestCommon::crcAndIntegerConversions()
{
    QCOMPARE(Common::crc16("123456789", 9), quint16(0x29B1));
    QCOMPARE(Common::crc16("", 0), quint16(0xFFFF));

    const float nan = std::numeric_limits<float>::quiet_NaN();
    QCOMPARE(Common::toCode(nan), 0u);
    QCOMPARE(Common::toCode(-5.5f), 0u);
    QCOMPARE(Common::toCode(7.9f), 7u);
    QCOMPARE(Common::toCode(1e30f), 0xFFFFFFFFu);
    QCOMPARE(Common::toCode(std::numeric_limits<float>::infinity()), 0xFFFFFFFFu);
    QCOMPARE(Common::toInt(nan), 0);
    QCOMPARE(Common::toInt(-7.9f), -7);
    QCOMPARE(Common::toInt(1e30f), 2147483647);
    QCOMPARE(Common::toInt(-1e30f), -2147483647 - 1);
}

void TestCommon::percent()
{
    QCOMPARE(Common::calcValueToPercent(5.0f, 5.0f, 5.0f), 0.0f);
    QCOMPARE(Common::calcValueToPercent(15.0f, 10.0f, 20.0f), 50.0f);
    QCOMPARE(Common::calcPercentToValue(50.0f, 10.0f, 20.0f), 15.0f);
    QCOMPARE(Common::calcPercentToValue(Common::calcValueToPercent(-3.0f, -10.0f, 30.0f), -10.0f, 30.0f), -3.0f);
}

RVK_TEST_MAIN(TestCommon)
#include "tst_common.moc"
