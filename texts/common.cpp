#include "texts/common.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>

#include "app/mainapplication.h"
#include "app/parameters.h"

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

struct TextRow {
    int code;
    const char* text;
};

enum class Fallback { Empty, Decimal };

template <size_t N>
const char* findText(const TextRow (&rows)[N], int code)
{
    for (const TextRow& row : rows) {
        if (row.code == code)
            return row.text;
    }
    return nullptr;
}

template <size_t N>
QString lookup(const TextRow (&rows)[N], int code, Fallback fallback)
{
    if (const char* text = findText(rows, code))
        return tr(text);
    return fallback == Fallback::Decimal ? QString::number(code) : QString();
}

template <size_t N>
QString lookupOr(const TextRow (&rows)[N], int code, const char* other)
{
    if (const char* text = findText(rows, code))
        return tr(text);
    return tr(other);
}

QString degrees(char scale)
{
    return QString(QChar(0x00B0)) + QLatin1Char(scale);
}

// Unit texts of the quantities without an operation of their own, one column per unit code.
const char* const kUnitTexts[33][9] = {
    /*  0 */ {},
    /*  1 */ {},
    /*  2 */ {},
    /*  3 */ {"%", QT_TRANSLATE_NOOP("QObject", "доли"), "‰"},
    /*  4 */ {QT_TRANSLATE_NOOP("QObject", "м"), QT_TRANSLATE_NOOP("QObject", "км"), QT_TRANSLATE_NOOP("QObject", "см"),
              QT_TRANSLATE_NOOP("QObject", "фут"), QT_TRANSLATE_NOOP("QObject", "мм")},
    /*  5 */ {QT_TRANSLATE_NOOP("QObject", "кг/м3"), QT_TRANSLATE_NOOP("QObject", "г/см3")},
    /*  6 */ {},
    /*  7 */ {},
    /*  8 */ {QT_TRANSLATE_NOOP("QObject", "В"), QT_TRANSLATE_NOOP("QObject", "кВ")},
    /*  9 */ {QT_TRANSLATE_NOOP("QObject", "А"), QT_TRANSLATE_NOOP("QObject", "мА"), QT_TRANSLATE_NOOP("QObject", "кА")},
    /* 10 */ {QT_TRANSLATE_NOOP("QObject", "Вт"), QT_TRANSLATE_NOOP("QObject", "кВт"), QT_TRANSLATE_NOOP("QObject", "МВт")},
    /* 11 */ {QT_TRANSLATE_NOOP("QObject", "ВА"), QT_TRANSLATE_NOOP("QObject", "кВА"), QT_TRANSLATE_NOOP("QObject", "МВА")},
    /* 12 */ {QT_TRANSLATE_NOOP("QObject", "вар"), QT_TRANSLATE_NOOP("QObject", "квар"), QT_TRANSLATE_NOOP("QObject", "Мвар")},
    /* 13 */ {"°", QT_TRANSLATE_NOOP("QObject", "рад")},
    /* 14 */ {QT_TRANSLATE_NOOP("QObject", "об/мин"), QT_TRANSLATE_NOOP("QObject", "об/с"), QT_TRANSLATE_NOOP("QObject", "рад/с")},
    /* 15 */ {QT_TRANSLATE_NOOP("QObject", "Гц/с")},
    /* 16 */ {},
    /* 17 */ {QT_TRANSLATE_NOOP("QObject", "Гн"), QT_TRANSLATE_NOOP("QObject", "мГн"), QT_TRANSLATE_NOOP("QObject", "мкГн")},
    /* 18 */ {},
    /* 19 */ {},
    /* 20 */ {},
    /* 21 */ {QT_TRANSLATE_NOOP("QObject", "м/с"), QT_TRANSLATE_NOOP("QObject", "мм/с")},
    /* 22 */ {QT_TRANSLATE_NOOP("QObject", "В/(об/мин)")},
    /* 23 */ {},
    /* 24 */ {QT_TRANSLATE_NOOP("QObject", "Вт"), QT_TRANSLATE_NOOP("QObject", "кВт"), QT_TRANSLATE_NOOP("QObject", "МВт")},
    /* 25 */ {QT_TRANSLATE_NOOP("QObject", "кВт·ч"), QT_TRANSLATE_NOOP("QObject", "МВт·ч"), QT_TRANSLATE_NOOP("QObject", "Вт·ч")},
    /* 26 */ {QT_TRANSLATE_NOOP("QObject", "квар·ч"), QT_TRANSLATE_NOOP("QObject", "Мвар·ч")},
    /* 27 */ {},
    /* 28 */ {},
    /* 29 */ {},
    /* 30 */ {},
    /* 31 */ {},
    /* 32 */ {},
};

} // namespace

quint32 Common::toCode(float value)
{
    if (!(value > 0.0f))  // NaN and non-positive
        return 0;
    if (value >= 4294967296.0f)
        return 0xFFFFFFFFu;
    return static_cast<quint32>(value);
}

qint32 Common::toInt(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return 2147483647;
    if (value <= -2147483648.0f)
        return -2147483647 - 1;
    return static_cast<qint32>(value);
}

// display = offset + stored * scale; the stored unit is column 0.
#define U1 {1.0f, 0.0f}
const Common::UnitFactor Common::units[33][9] = {
    /*  0 none            */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /*  1 date-time, s    */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /*  2 duration, s     */ {U1, {1e6f, 0}, {1000.0f, 0}, U1, {1.0f / 60.0f, 0}, U1, {1.0f / 3600.0f, 0}, U1, U1},
    /*  3 percent         */ {U1, {0.01f, 0}, {10.0f, 0}, U1, U1, U1, U1, U1, U1},
    /*  4 length, m       */ {U1, {0.001f, 0}, {100.0f, 0}, {3.2808399f, 0}, {1000.0f, 0}, U1, U1, U1, U1},
    /*  5 density, kg/m3  */ {U1, {0.001f, 0}, U1, U1, U1, U1, U1, U1, U1},
    /*  6 cable, mm2      */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /*  7 frequency, Hz   */ {U1, {0.001f, 0}, U1, U1, U1, U1, U1, U1, U1},
    /*  8 voltage, V      */ {U1, {0.001f, 0}, U1, U1, U1, U1, U1, U1, U1},
    /*  9 current, A      */ {U1, {1000.0f, 0}, {0.001f, 0}, U1, U1, U1, U1, U1, U1},
    /* 10 power, W        */ {U1, {0.001f, 0}, {1e-6f, 0}, U1, U1, U1, U1, U1, U1},
    /* 11 power, VA       */ {U1, {0.001f, 0}, {1e-6f, 0}, U1, U1, U1, U1, U1, U1},
    /* 12 power, var      */ {U1, {0.001f, 0}, {1e-6f, 0}, U1, U1, U1, U1, U1, U1},
    /* 13 angle, degree   */ {U1, {0.017453292f, 0}, U1, U1, U1, U1, U1, U1, U1},
    /* 14 speed, rpm      */ {U1, {1.0f / 60.0f, 0}, {0.10471976f, 0}, U1, U1, U1, U1, U1, U1},
    /* 15 Hz/s            */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 16 resistance, Ohm */ {U1, {0.001f, 0}, {1e-6f, 0}, {1000.0f, 0}, U1, U1, U1, U1, U1},
    /* 17 inductance, H   */ {U1, {1000.0f, 0}, {1e6f, 0}, U1, U1, U1, U1, U1, U1},
    /* 18 pressure, MPa   */ {U1, {9.8692327f, 0}, {10.197162f, 0}, {10.0f, 0}, {145.03774f, 0}, {1000.0f, 0}, U1, U1, U1},
    /* 19 temperature, C  */ {U1, {1.8f, 32.0f}, U1, U1, U1, U1, U1, U1, U1},
    /* 20 vibration, g    */ {U1, {9.80665f, 0}, {9806.65f, 0}, U1, U1, U1, U1, U1, U1},
    /* 21 velocity, m/s   */ {U1, {1000.0f, 0}, U1, U1, U1, U1, U1, U1, U1},
    /* 22 V/rpm           */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 23 flow, m3/day    */ {U1, {1.0f / 24.0f, 0}, {6.2898108f, 0}, {6.2898108f / 24.0f, 0}, U1, U1, U1, U1, U1},
    /* 24 power, W        */ {U1, {0.001f, 0}, {1e-6f, 0}, U1, U1, U1, U1, U1, U1},
    /* 25 energy, kWh     */ {U1, {0.001f, 0}, {1000.0f, 0}, U1, U1, U1, U1, U1, U1},
    /* 26 energy, kvarh   */ {U1, {0.001f, 0}, U1, U1, U1, U1, U1, U1, U1},
    /* 27                 */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 28                 */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 29                 */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 30                 */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 31                 */ {U1, U1, U1, U1, U1, U1, U1, U1, U1},
    /* 32 motor power, W  */ {U1, {0.001f, 0}, {1.0f / 735.49875f, 0}, U1, U1, U1, U1, U1, U1},
};
#undef U1

QString Common::getTextUnitPhysic(int physic, int unit)
{
    if (physic < 0 || physic > 32)
        return QString();
    const unsigned char code = static_cast<unsigned char>(unit);
    switch (physic) {
    case 2: return getTextUnitTime(code);
    case 6: return getTextUnitCableCross(code);
    case 7: return getTextUnitFreq(code);
    case 16: return getTextUnitResistance(code);
    case 18: return getTextUnitPressure(code);
    case 19: return getTextUnitTemperature(code);
    case 20: return getTextUnitAcceleration(code);
    case 23: return getTextUnitFlow(code);
    case 32: return getTextUnitPowerMotor(code);
    default: break;
    }
    // As the conversion does, a unit code past the table means the stored unit.
    const int column = (unit < 0 || unit >= 9) ? 0 : unit;
    const char* text = kUnitTexts[physic][column];
    return text ? tr(text) : QString();
}

namespace {

struct NameRow {
    int id;
    const char* text;
};

const NameRow kParamNames[] = {
#include "texts/param_names.inc"
};

// Sorted once (thread-safe static initialisation); the first row of a repeated id wins.
const std::vector<NameRow>& sortedNames()
{
    static const std::vector<NameRow> rows = [] {
        std::vector<NameRow> v(std::begin(kParamNames), std::end(kParamNames));
        std::stable_sort(v.begin(), v.end(), [](const NameRow& a, const NameRow& b) { return a.id < b.id; });
        return v;
    }();
    return rows;
}

} // namespace

QString Common::getTextFromId(int id)
{
    const std::vector<NameRow>& rows = sortedNames();
    const auto it = std::lower_bound(rows.begin(), rows.end(), id,
                                     [](const NameRow& row, int key) { return row.id < key; });
    if (it != rows.end() && it->id == id)
        return tr(it->text);
    return QString::number(id);
}

bool Common::checkRange(double value, double min, double max, unsigned int discret)
{
    const double k = discret;
    if (std::isnan(value))
        return false;
    return k * value >= k * min - 0.5 && k * value <= k * max + 0.5;
}

void Common::sleep(int ms)
{
    if (ms <= 0)
        return;
    timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = (ms % 1000) * 1000000L;
    while (nanosleep(&ts, &ts) != 0) {
    }
}

quint16 Common::crc16(const char* data, int length)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= static_cast<quint16>(static_cast<quint8>(data[i]) << 8);
        for (int b = 0; b < 8; ++b)
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021) : static_cast<quint16>(crc << 1);
    }
    return crc;
}

// ---- Unit texts --------------------------------------------------------------------------------

namespace {

const TextRow kUnitTime[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "с")},
    {1, QT_TRANSLATE_NOOP("QObject", "мкс")},
    {2, QT_TRANSLATE_NOOP("QObject", "мс")},
    {3, QT_TRANSLATE_NOOP("QObject", "сс:мс")},
    {4, QT_TRANSLATE_NOOP("QObject", "мин")},
    {5, QT_TRANSLATE_NOOP("QObject", "мм:сс")},
    {6, QT_TRANSLATE_NOOP("QObject", "ч")},
    {7, QT_TRANSLATE_NOOP("QObject", "чч:мм")},
    {8, QT_TRANSLATE_NOOP("QObject", "чч:мм:сс")},
};

const TextRow kUnitResistance[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "кОм")},
    {2, QT_TRANSLATE_NOOP("QObject", "МОм")},
    {3, QT_TRANSLATE_NOOP("QObject", "мОм")},
};

const TextRow kUnitPressure[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "атм")},
    {2, QT_TRANSLATE_NOOP("QObject", "ат")},
    {3, QT_TRANSLATE_NOOP("QObject", "бар")},
    {4, "psi"},
    {5, QT_TRANSLATE_NOOP("QObject", "кПа")},
};

const TextRow kUnitAcceleration[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "м/с2")},
    {2, QT_TRANSLATE_NOOP("QObject", "мм/с2")},
};

const TextRow kUnitFlow[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "м3/ч")},
    {2, QT_TRANSLATE_NOOP("QObject", "барр/сут")},
    {3, QT_TRANSLATE_NOOP("QObject", "барр/ч")},
};

const TextRow kUnitPowerMotor[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "кВт")},
    {2, QT_TRANSLATE_NOOP("QObject", "Л.С.")},
};

const TextRow kAiUnitPressure[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "МПа")},
    {1, QT_TRANSLATE_NOOP("QObject", "атм")},
    {2, QT_TRANSLATE_NOOP("QObject", "кг/см2")},
    {3, QT_TRANSLATE_NOOP("QObject", "бар")},
    {4, "psi"},
    {5, QT_TRANSLATE_NOOP("QObject", "кПа")},
};

} // namespace

QString Common::getTextUnitTime(unsigned char unit) { return lookup(kUnitTime, unit, Fallback::Empty); }
QString Common::getTextUnitResistance(unsigned char unit) { return lookupOr(kUnitResistance, unit, QT_TRANSLATE_NOOP("QObject", "Ом")); }
QString Common::getTextUnitPressure(unsigned char unit) { return lookupOr(kUnitPressure, unit, QT_TRANSLATE_NOOP("QObject", "МПа")); }
QString Common::getTextUnitTemperature(unsigned char unit) { return degrees(unit == 1 ? 'F' : 'C'); }
QString Common::getTextUnitAcceleration(unsigned char unit) { return lookupOr(kUnitAcceleration, unit, "g"); }
QString Common::getTextUnitFlow(unsigned char unit) { return lookupOr(kUnitFlow, unit, QT_TRANSLATE_NOOP("QObject", "м3/сут")); }
QString Common::getTextUnitPowerMotor(unsigned char unit) { return lookupOr(kUnitPowerMotor, unit, QT_TRANSLATE_NOOP("QObject", "Вт")); }
QString Common::getTextUnitCableCross(unsigned char unit) { return unit == 1 ? QStringLiteral("AWG") : tr("мм2"); }
QString Common::getTextUnitFreq(unsigned char unit) { return unit == 1 ? tr("кГц") : tr("Гц"); }

QString Common::getTextAiUnitPressure(unsigned char unit) { return lookupOr(kAiUnitPressure, unit, QT_TRANSLATE_NOOP("QObject", "МПа")); }
QString Common::getTextAiUnitTemp(unsigned char unit) { return degrees(unit == 1 ? 'F' : 'C'); }
QString Common::getTextAiUnitVibrAcceler(unsigned char unit) { return lookupOr(kUnitAcceleration, unit, "g"); }
QString Common::getTextAiUnitVibrSpeed(unsigned char unit) { return unit == 0 ? tr("м/с") : tr("мм/с"); }
QString Common::getTextAiUnitResistIsol(unsigned char) { return tr("кОм"); }
QString Common::getTextAiUnitConsumption(unsigned char unit) { return lookupOr(kUnitFlow, unit, QT_TRANSLATE_NOOP("QObject", "м3/сут")); }
QString Common::getTextAiUnitFreq(unsigned char) { return tr("Гц"); }
QString Common::getTextAiUnitCurrent(unsigned char) { return tr("А"); }

QString Common::getTextAiUnit(unsigned char quantity, unsigned char unit)
{
    switch (quantity) {
    case 1:
    case 9:
    case 10:
    case 11: return getTextAiUnitPressure(unit);
    case 2: return getTextAiUnitTemp(unit);
    case 3: return getTextAiUnitVibrAcceler(unit);
    case 4: return getTextAiUnitVibrSpeed(unit);
    case 5: return getTextAiUnitResistIsol(unit);
    case 6: return getTextAiUnitConsumption(unit);
    case 7: return getTextAiUnitFreq(unit);
    case 8: return getTextAiUnitCurrent(unit);
    default: return QString();
    }
}

QString Common::getTextAiParamUnits(unsigned short parameterCode, unsigned short unitCode)
{
    const QString text = parameterCode <= 0xFF && unitCode <= 0xFF
        ? getTextAiUnit(static_cast<unsigned char>(parameterCode), static_cast<unsigned char>(unitCode))
        : QString();
    return text.isEmpty() ? QString::number(unitCode) : text;
}
