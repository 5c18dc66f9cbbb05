#include "texts/common.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>

namespace {

// Names in Latin letters (drive makers, protocols, "U/f") are not translated.
QString tr(const char* text)
{
    for (const char* c = text; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 0x80)
            return QCoreApplication::translate("QObject", text);
    }
    return QString::fromLatin1(text);
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
QString Common::getTextUnitCableCross(unsigned char unit) { return unit == 1 ? QStringLiteral("AWG") : QCoreApplication::translate("QObject", "мм2"); }
QString Common::getTextUnitFreq(unsigned char unit) { return unit == 1 ? QCoreApplication::translate("QObject", "кГц") : QCoreApplication::translate("QObject", "Гц"); }

QString Common::getTextAiUnitPressure(unsigned char unit) { return lookupOr(kAiUnitPressure, unit, QT_TRANSLATE_NOOP("QObject", "МПа")); }
QString Common::getTextAiUnitTemp(unsigned char unit) { return degrees(unit == 1 ? 'F' : 'C'); }
QString Common::getTextAiUnitVibrAcceler(unsigned char unit) { return lookupOr(kUnitAcceleration, unit, "g"); }
QString Common::getTextAiUnitVibrSpeed(unsigned char unit) { return unit == 0 ? QCoreApplication::translate("QObject", "м/с") : QCoreApplication::translate("QObject", "мм/с"); }
QString Common::getTextAiUnitResistIsol(unsigned char) { return QCoreApplication::translate("QObject", "кОм"); }
QString Common::getTextAiUnitConsumption(unsigned char unit) { return lookupOr(kUnitFlow, unit, QT_TRANSLATE_NOOP("QObject", "м3/сут")); }
QString Common::getTextAiUnitFreq(unsigned char) { return QCoreApplication::translate("QObject", "Гц"); }
QString Common::getTextAiUnitCurrent(unsigned char) { return QCoreApplication::translate("QObject", "А"); }

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

// ---- Values ------------------------------------------------------------------------------------

namespace {

int maskDecimals(const QString& mask)
{
    const int point = mask.lastIndexOf(QLatin1Char('.'));
    if (point < 0)
        return 0;
    int digits = 0;
    for (int i = point + 1; i < mask.size(); ++i) {
        if (mask.at(i).isDigit())
            ++digits;
    }
    return qMin(digits, 9);
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Seconds in one of the formatted time units: 3 ss:ms, 5 mm:ss, 7 hh:mm, 8 hh:mm:ss.
QString formatTime(double seconds, int unit)
{
    if (!std::isfinite(seconds))
        return QStringLiteral("---");
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const double magnitude = std::fabs(seconds);
    // Rounded to the smallest field shown; saturates far beyond any real duration.
    auto rounded = [](double v) { return static_cast<qint64>(std::llround(std::min(v, 999999999999.0))); };
    switch (unit) {
    case 3: {
        const qint64 ms = rounded(magnitude * 1000.0);
        return sign + twoDigits(ms / 1000) + QLatin1Char(':') + QStringLiteral("%1").arg(ms % 1000, 3, 10, QLatin1Char('0'));
    }
    case 5: {
        const qint64 s = rounded(magnitude);
        return sign + twoDigits(s / 60) + QLatin1Char(':') + twoDigits(s % 60);
    }
    case 7: {
        const qint64 m = rounded(magnitude / 60.0);
        return sign + twoDigits(m / 60) + QLatin1Char(':') + twoDigits(m % 60);
    }
    default: {
        const qint64 s = rounded(magnitude);
        return sign + twoDigits(s / 3600) + QLatin1Char(':') + twoDigits(s / 60 % 60) + QLatin1Char(':')
            + twoDigits(s % 60);
    }
    }
}

} // namespace

QString Common::getTextValue(unTypeData value, const ParameterDef* def, bool valid, bool)
{
    if (!valid)
        return QStringLiteral("---");
    if (!def)
        return QString::number(static_cast<double>(value.f));
    const int decimals = maskDecimals(def->mask);
    switch (def->physic) {
    case 1: {
        // Date-times are unsigned cells of seconds; the float view would lose whole minutes.
        const quint32 seconds = value.u;
        if (seconds == 0)
            return QString();
        const QDateTime time = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
        return time.toString(def->unitOut == 1 ? QStringLiteral("yy.MM.dd") : QStringLiteral("yyyy.MM.dd hh:mm:ss"));
    }
    case 2:
        // Units 1 and 2 arrive converted; the others arrive in seconds.
        switch (def->unitOut) {
        case 3:
        case 5:
        case 7:
        case 8: return formatTime(value.f, def->unitOut);
        case 4: return QString::number(value.f / 60.0, 'f', decimals);
        case 6: return QString::number(value.f / 3600.0, 'f', decimals);
        default: break;
        }
        break;
    default:
        break;
    }
    return QString::number(static_cast<double>(value.f), 'f', decimals);
}

bool Common::parseTimeText(const QString& text, int unitOut, float* seconds)
{
    if (!seconds)
        return false;
    const QString t = text.trimmed();
    if (unitOut == 3 || unitOut == 5 || unitOut == 7 || unitOut == 8) {
        const QRegularExpression two(QStringLiteral("^([0-9]{1,9}):([0-9]{1,3})$"));
        const QRegularExpression three(QStringLiteral("^([0-9]{1,9}):([0-9]{1,2}):([0-9]{1,2})$"));
        const QRegularExpressionMatch m = (unitOut == 8 ? three : two).match(t);
        if (!m.hasMatch())
            return false;
        const qint64 a = m.captured(1).toLongLong();
        const qint64 b = m.captured(2).toLongLong();
        double result = 0;
        switch (unitOut) {
        case 3:
            if (b > 999)
                return false;
            // the second field counts milliseconds: "05:5" is 5.005 s
            result = a + b / 1000.0;
            break;
        case 5:
            if (b > 59)
                return false;
            result = a * 60.0 + b;
            break;
        case 7:
            if (b > 59)
                return false;
            result = a * 3600.0 + b * 60.0;
            break;
        default: {
            const qint64 c = m.captured(3).toLongLong();
            if (b > 59 || c > 59)
                return false;
            result = a * 3600.0 + b * 60.0 + c;
            break;
        }
        }
        *seconds = static_cast<float>(result);
        return true;
    }
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    double factor = 1.0;
    switch (unitOut) {
    case 1: factor = 1e-6; break;
    case 2: factor = 1e-3; break;
    case 4: factor = 60.0; break;
    case 6: factor = 3600.0; break;
    default: break;
    }
    const double result = number * factor;
    if (!std::isfinite(static_cast<float>(result)))
        return false;
    *seconds = static_cast<float>(result);
    return true;
}

float Common::calcValueToPercent(float value, float min, float max)
{
    if (max == min)
        return 0.0f;
    return (value - min) * 100.0f / (max - min);
}

float Common::calcPercentToValue(float percent, float min, float max)
{
    return (max - min) * percent / 100.0f + min;
}

QString Common::getTextTimeZone(int seconds)
{
    const qint64 hours = std::llabs(static_cast<qint64>(seconds)) / 3600;
    return QStringLiteral("UTC%1%2:00").arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+')).arg(twoDigits(hours));
}

QString Common::getTextDiParameter(unsigned short code, unsigned short firstNameId, unsigned short secondNameId,
                                   const CellReader& cells)
{
    static const TextRow names[] = {
        {1, QT_TRANSLATE_NOOP("QObject", "Контактный манометр")},
        {2, QT_TRANSLATE_NOOP("QObject", "Авария реле контроля фаз")},
        {3, QT_TRANSLATE_NOOP("QObject", "Разрешение на запуск")},
        {4, QT_TRANSLATE_NOOP("QObject", "Аварийное отключение")},
    };
    if (code != 0)
        return lookup(names, code, Fallback::Decimal);
    if (firstNameId == 0 || secondNameId == 0 || !cells)
        return QString();
    return getTextName(cells(firstNameId), cells(secondNameId));
}

QString Common::getTextName(quint32 first, quint32 second)
{
    const quint32 words[2] = {first, second};
    char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>((words[i / 4] >> (8 * (i % 4))) & 0xFF);
    const int length = static_cast<int>(std::find(bytes, bytes + 8, '\0') - bytes);
    return QString::fromUtf8(bytes, length);
}

// ---- Enumerations ------------------------------------------------------------------------------

namespace {

const TextRow kProtMode[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Блок")},
    {2, QT_TRANSLATE_NOOP("QObject", "АПВ")},
    {3, QT_TRANSLATE_NOOP("QObject", "Вкл")},
};
const TextRow kOnOff[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Вкл")},
};
const TextRow kRgmMode[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Однократно")},
    {2, QT_TRANSLATE_NOOP("QObject", "Постоянно")},
    {3, QT_TRANSLATE_NOOP("QObject", "Вкл")},
};
const TextRow kPhaseRotation[] = {
    {0, "ABC"},
    {1, "CBA"},
};
const TextRow kSourceTemperature[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Обмотка")},
    {1, QT_TRANSLATE_NOOP("QObject", "Масло")},
};
const TextRow kSourceR[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Нет")},
    {1, QT_TRANSLATE_NOOP("QObject", "Авто")},
    {2, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
    {3, QT_TRANSLATE_NOOP("QObject", "ТМС")},
    {4, QT_TRANSLATE_NOOP("QObject", "УКИ")},
};
const TextRow kSourceCurrent[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "РВК")},
    {1, QT_TRANSLATE_NOOP("QObject", "ЧРП")},
};
const TextRow kAiAxisZeroShift[] = {
    {-1, QT_TRANSLATE_NOOP("QObject", "Минус")},
    {1, QT_TRANSLATE_NOOP("QObject", "Плюс")},
};
const TextRow kVsdDoor[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Стоп")},
    {2, QT_TRANSLATE_NOOP("QObject", "Откл. пит.")},
};
const TextRow kVsdType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Нет")},
    {1, QT_TRANSLATE_NOOP("QObject", "Валдрин")},
    {2, "Danfoss"},
    {3, QT_TRANSLATE_NOOP("QObject", "Эталон")},
};
const TextRow kTypeMtr[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Асинхронный")},
    {1, QT_TRANSLATE_NOOP("QObject", "Вентильный")},
};
const TextRow kMotorControl[] = {
    {0, "U/f"},
    {1, QT_TRANSLATE_NOOP("QObject", "Векторное")},
};
const TextRow kOilCompany[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "По умолчанию")},
    {1, "RA-ZUV"},
    {2, "Zazarere"},
    {3, "BP"},
    {4, "Vovadivozorare"},
};
const TextRow kMaintenanceType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Ток")},
    {1, QT_TRANSLATE_NOOP("QObject", "Давление")},
    {2, QT_TRANSLATE_NOOP("QObject", "Температура")},
    {3, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1")},
    {4, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2")},
    {5, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3")},
    {6, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4")},
    {7, QT_TRANSLATE_NOOP("QObject", "Загрузка")},
    {8, QT_TRANSLATE_NOOP("QObject", "Мощность")},
    {9, QT_TRANSLATE_NOOP("QObject", "Расход")},
};
const TextRow kMaintenanceDepend[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Прямая")},
    {1, QT_TRANSLATE_NOOP("QObject", "Обратная")},
};
const TextRow kMaintenanceControl[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Поддержание")},
    {1, QT_TRANSLATE_NOOP("QObject", "Следование")},
};
const TextRow kSwitchingFreq[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "1,0 кГц")},
    {1, QT_TRANSLATE_NOOP("QObject", "1,5 кГц")},
    {2, QT_TRANSLATE_NOOP("QObject", "2,0 кГц")},
    {3, QT_TRANSLATE_NOOP("QObject", "2,5 кГц")},
    {4, QT_TRANSLATE_NOOP("QObject", "3,0 кГц")},
    {5, QT_TRANSLATE_NOOP("QObject", "3,5 кГц")},
    {6, QT_TRANSLATE_NOOP("QObject", "4,0 кГц")},
    {7, QT_TRANSLATE_NOOP("QObject", "5,0 кГц")},
    {8, QT_TRANSLATE_NOOP("QObject", "6,0 кГц")},
    {9, QT_TRANSLATE_NOOP("QObject", "7,0 кГц")},
    {10, QT_TRANSLATE_NOOP("QObject", "8,0 кГц")},
    {11, QT_TRANSLATE_NOOP("QObject", "9,0 кГц")},
    {12, QT_TRANSLATE_NOOP("QObject", "12,0 кГц")},
    {13, QT_TRANSLATE_NOOP("QObject", "14,0 кГц")},
    {14, QT_TRANSLATE_NOOP("QObject", "16,0 кГц")},
};
const TextRow kUseInduct[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Суммарная")},
    {1, QT_TRANSLATE_NOOP("QObject", "Раздельная")},
};
const TextRow kDiType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Замыкание")},
    {1, QT_TRANSLATE_NOOP("QObject", "Размыкание")},
};
const TextRow kDiAction[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Нет")},
    {1, QT_TRANSLATE_NOOP("QObject", "Стоп")},
    {2, QT_TRANSLATE_NOOP("QObject", "Пуск")},
    {3, QT_TRANSLATE_NOOP("QObject", "Реверс")},
    {4, QT_TRANSLATE_NOOP("QObject", "Защита")},
    {5, QT_TRANSLATE_NOOP("QObject", "Кнопка оператора")},
    {6, QT_TRANSLATE_NOOP("QObject", "Предупреждение")},
};
const TextRow kTypeAI[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "4 - 20 мА")},
    {2, QT_TRANSLATE_NOOP("QObject", "0 - 4 В")},
};
const TextRow kAiParameter[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Не выбран")},
    {1, QT_TRANSLATE_NOOP("QObject", "Давление")},
    {2, QT_TRANSLATE_NOOP("QObject", "Температура")},
    {3, QT_TRANSLATE_NOOP("QObject", "Виброускорение")},
    {4, QT_TRANSLATE_NOOP("QObject", "Виброскорость")},
    {5, QT_TRANSLATE_NOOP("QObject", "Сопротивление изоляции")},
    {6, QT_TRANSLATE_NOOP("QObject", "Расход")},
    {7, QT_TRANSLATE_NOOP("QObject", "Частота")},
    {8, QT_TRANSLATE_NOOP("QObject", "Ток")},
    {9, QT_TRANSLATE_NOOP("QObject", "Устьевое давление")},
    {10, QT_TRANSLATE_NOOP("QObject", "Затрубное давление")},
    {11, QT_TRANSLATE_NOOP("QObject", "Линейное давление")},
};
const TextRow kTypeMetal[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Алюминий")},
};
const TextRow kMotorInductance[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Инд. сопр. фазы")},
    {2, QT_TRANSLATE_NOOP("QObject", "Инд. по осям")},
};
const TextRow kMotorProfile[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "3000 Об/мин")},
    {1, QT_TRANSLATE_NOOP("QObject", "ВДМ")},
    {2, QT_TRANSLATE_NOOP("QObject", "ВВД")},
    {500, QT_TRANSLATE_NOOP("QObject", "500 Об/мин")},
    {1000, QT_TRANSLATE_NOOP("QObject", "1000 Об/мин")},
    {3000, QT_TRANSLATE_NOOP("QObject", "3000 Об/мин")},
    {3600, QT_TRANSLATE_NOOP("QObject", "3600 Об/мин")},
    {6000, QT_TRANSLATE_NOOP("QObject", "6000 Об/мин")},
    {8500, QT_TRANSLATE_NOOP("QObject", "8500 Об/мин")},
    {12000, QT_TRANSLATE_NOOP("QObject", "12000 Об/мин")},
};
const TextRow kDhsInterface[] = {
    {0, "RS-485"},
    {1, "RS-232"},
};
const TextRow kEmType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "СЭТ-4ТМ03")},
    {2, "ABB"},
    {3, "ABB A44"},
    {4, QT_TRANSLATE_NOOP("QObject", "ГРАН СС-301-5.1")},
    {5, QT_TRANSLATE_NOOP("QObject", "ПСЧ-4ТМ")},
};
const TextRow kSourceVoltage[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "РВК")},
    {1, QT_TRANSLATE_NOOP("QObject", "Счётчик")},
};
const TextRow kTypeVolt[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Фазное")},
    {1, QT_TRANSLATE_NOOP("QObject", "Линейное")},
};
const TextRow kCalibType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Коэффициент")},
    {1, QT_TRANSLATE_NOOP("QObject", "Значение")},
};
const TextRow kTypeAO[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "0 - 10 В")},
    {2, QT_TRANSLATE_NOOP("QObject", "4 - 20 мА")},
};
const TextRow kParamAO[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Не выбран")},
};
const TextRow kRoAction[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Нет")},
    {1, QT_TRANSLATE_NOOP("QObject", "Стоп")},
    {2, QT_TRANSLATE_NOOP("QObject", "Работа")},
    {3, QT_TRANSLATE_NOOP("QObject", "АПВ")},
    {4, QT_TRANSLATE_NOOP("QObject", "Блок")},
    {5, QT_TRANSLATE_NOOP("QObject", "Tемпер. igbt 1")},
    {6, QT_TRANSLATE_NOOP("QObject", "Входной фильтр")},
    {7, QT_TRANSLATE_NOOP("QObject", "СУ готова к запуску")},
    {8, QT_TRANSLATE_NOOP("QObject", "Авария СУ")},
    {9, QT_TRANSLATE_NOOP("QObject", "Удалённое управление")},
    {10, QT_TRANSLATE_NOOP("QObject", "Ручной/Авто")},
};
const TextRow kScadaType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Валдрин")},
    {2, QT_TRANSLATE_NOOP("QObject", "Регион 3.0")},
    {3, QT_TRANSLATE_NOOP("QObject", "Регион 2000")},
    {4, "ZIZ-Odeveduza"},
    {5, QT_TRANSLATE_NOOP("QObject", "RUZEVA-ЗС")},
    {6, "Derodizidozova"},
    {7, "Dedorarodiveza"},
    {8, "RA-ZUV"},
    {9, "RI-Zovo"},
    {10, "Vevarar-Izavuv"},
    {11, "DEZ"},
    {12, QT_TRANSLATE_NOOP("QObject", "Универсал 3")},
};
const TextRow kRotation[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Прямое")},
    {1, QT_TRANSLATE_NOOP("QObject", "Обратное")},
};
const TextRow kTypeStop[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Плавный")},
    {1, QT_TRANSLATE_NOOP("QObject", "Выбегом")},
};
const TextRow kUfType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Линейная")},
    {1, QT_TRANSLATE_NOOP("QObject", "Квадратичная")},
    {2, QT_TRANSLATE_NOOP("QObject", "Обр. квадр.")},
    {3, QT_TRANSLATE_NOOP("QObject", "По точкам")},
};
const TextRow kVectType[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Угол")},
    {1, QT_TRANSLATE_NOOP("QObject", "Мин.ток")},
};
const TextRow kChanelVsd[] = {
    {2, QT_TRANSLATE_NOOP("QObject", "Основной")},
    {4, QT_TRANSLATE_NOOP("QObject", "Резервный")},
};
const TextRow kSensorPosition[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "На входе")},
    {1, QT_TRANSLATE_NOOP("QObject", "На выходе")},
};
// Board settings without texts elsewhere.
const TextRow kBacklight[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Вкл")},
    {2, QT_TRANSLATE_NOOP("QObject", "Авто")},
};
const TextRow kLanguage[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Русский")},
    {1, "English"},
    {2, "Español"},
};
const TextRow kLockButton[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Вкл")},
};
const TextRow kScadaParity[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Нет")},
    {1, QT_TRANSLATE_NOOP("QObject", "Чёт")},
    {2, QT_TRANSLATE_NOOP("QObject", "Нечёт")},
};
const TextRow kConnect[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Потеряна")},
    {1, QT_TRANSLATE_NOOP("QObject", "Восстановлена")},
};
const TextRow kAlarmVsdMode[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Откл")},
    {1, QT_TRANSLATE_NOOP("QObject", "Предупреждение")},
    {2, QT_TRANSLATE_NOOP("QObject", "Останов")},
};

} // namespace

QString Common::getTextProtMode(unsigned short value) { return lookup(kProtMode, value, Fallback::Empty); }
QString Common::getTextOnOff(unsigned short value) { return lookup(kOnOff, value, Fallback::Empty); }
QString Common::getTextRgmMode(unsigned short value) { return lookup(kRgmMode, value, Fallback::Empty); }
QString Common::getTextPhaseRotation(unsigned short value) { return lookup(kPhaseRotation, value, Fallback::Decimal); }
QString Common::getTextSourceTemperature(sensorTemperatureMotor source) { return lookup(kSourceTemperature, source, Fallback::Decimal); }
QString Common::getTextSourceR(unsigned short value) { return lookup(kSourceR, value, Fallback::Decimal); }
QString Common::getTextSourceCurrent(unsigned short value) { return lookup(kSourceCurrent, value, Fallback::Decimal); }
QString Common::getTextAiAxisZeroShift(int value) { return lookup(kAiAxisZeroShift, value, Fallback::Decimal); }
QString Common::getTextVSdDoor(unsigned short value) { return lookup(kVsdDoor, value, Fallback::Decimal); }
QString Common::getTextVsdType(unsigned short type) { return lookup(kVsdType, type, Fallback::Decimal); }
QString Common::getTextTypeMtr(unsigned short type) { return lookupOr(kTypeMtr, type, QT_TRANSLATE_NOOP("QObject", "Неизвестный")); }
QString Common::getTextMotorControl(unsigned short value) { return lookup(kMotorControl, value, Fallback::Decimal); }
QString Common::getTextOilCompany(unsigned short value) { return lookup(kOilCompany, value, Fallback::Decimal); }
QString Common::getTextMaintenanceModeParamType(unsigned short value) { return lookup(kMaintenanceType, value, Fallback::Decimal); }
QString Common::getTextMaintenanceModeParamDepend(unsigned short value) { return lookup(kMaintenanceDepend, value, Fallback::Decimal); }
QString Common::getTextMaintenanceModeParamTypeControl(unsigned short value) { return lookup(kMaintenanceControl, value, Fallback::Decimal); }
QString Common::getTextSwitchingFreqCode(unsigned short value) { return lookup(kSwitchingFreq, value, Fallback::Decimal); }
QString Common::getTextUseInduct(unsigned short value) { return lookup(kUseInduct, value, Fallback::Decimal); }
QString Common::getTextDiType(unsigned short value) { return lookup(kDiType, value, Fallback::Decimal); }
QString Common::getTextDiAction(unsigned short value) { return lookup(kDiAction, value, Fallback::Decimal); }
QString Common::getTextTypeAI(unsigned short value) { return lookupOr(kTypeAI, value, QT_TRANSLATE_NOOP("QObject", "0 - 10 В")); }
QString Common::getTextAiParameter(unsigned short value) { return lookup(kAiParameter, value, Fallback::Decimal); }
QString Common::getTextTypeMetal(unsigned short value) { return lookupOr(kTypeMetal, value, QT_TRANSLATE_NOOP("QObject", "Медь")); }
QString Common::getTextMotorInductance(unsigned short kind) { return lookupOr(kMotorInductance, kind, QT_TRANSLATE_NOOP("QObject", "Индуктивность")); }
QString Common::getTextMotorProfile(unsigned short profile) { return lookup(kMotorProfile, profile, Fallback::Empty); }
QString Common::getTextDhsInterface(unsigned short code) { return lookup(kDhsInterface, code, Fallback::Decimal); }
QString Common::getTextEmType(unsigned short type) { return lookup(kEmType, type, Fallback::Decimal); }
QString Common::getTextSourceVoltage(unsigned short value) { return lookup(kSourceVoltage, value, Fallback::Empty); }
QString Common::getTextTypeVolt(unsigned short value) { return lookup(kTypeVolt, value, Fallback::Decimal); }
QString Common::getTextCalibType(unsigned short value) { return lookup(kCalibType, value, Fallback::Decimal); }
QString Common::getTextTypeAO(unsigned short type) { return lookupOr(kTypeAO, type, QT_TRANSLATE_NOOP("QObject", "Откл")); }
QString Common::getTextParamAO(unsigned short id) { return lookup(kParamAO, id, Fallback::Decimal); }
QString Common::getTextRoAction(unsigned short action) { return lookup(kRoAction, action, Fallback::Decimal); }
QString Common::getTextScadaType(unsigned short value) { return lookup(kScadaType, value, Fallback::Decimal); }
QString Common::getTextRotation(unsigned short value) { return lookup(kRotation, value, Fallback::Empty); }
QString Common::getTextTypeStop(unsigned short value) { return lookup(kTypeStop, value, Fallback::Decimal); }
QString Common::getTextUfType(unsigned short value) { return lookup(kUfType, value, Fallback::Decimal); }
QString Common::getTextVectType(unsigned short value) { return lookup(kVectType, value, Fallback::Decimal); }
QString Common::getTextChanelVsd(unsigned short value) { return lookup(kChanelVsd, value, Fallback::Decimal); }
QString Common::getTextSensorPosition(unsigned short value) { return lookup(kSensorPosition, value, Fallback::Decimal); }
QString Common::getTextBacklight(unsigned short value) { return lookup(kBacklight, value, Fallback::Decimal); }
QString Common::getTextLanguage(unsigned short value) { return lookup(kLanguage, value, Fallback::Decimal); }
QString Common::getTextLockButton(unsigned short value) { return lookup(kLockButton, value, Fallback::Decimal); }
QString Common::getTextScadaParity(unsigned short value) { return lookup(kScadaParity, value, Fallback::Decimal); }
QString Common::getTextAlarmVSDMode(unsigned short value) { return lookup(kAlarmVsdMode, value, Fallback::Empty); }
QString Common::getTextConnect(unsigned short state) { return lookup(kConnect, state, Fallback::Empty); }

QString Common::getTextDhsType(typeDHS type)
{
    // The suffix follows the translated name.
    struct DhsRow {
        int code;
        const char* text;
        const char* suffix;
    };
    static const DhsRow rows[] = {
        {0, QT_TRANSLATE_NOOP("QObject", "Нет"), ""},
        {1, QT_TRANSLATE_NOOP("QObject", "Валдрин"), ""},
        {2, QT_TRANSLATE_NOOP("QObject", "Алмаз"), ""},
        {3, QT_TRANSLATE_NOOP("QObject", "Борец СПТ"), "-1"},
        {4, QT_TRANSLATE_NOOP("QObject", "Электон ТМСН"), "-2"},
        {5, QT_TRANSLATE_NOOP("QObject", "Электон ТМСН"), "-3"},
        {6, QT_TRANSLATE_NOOP("QObject", "Эталон"), ""},
        {7, QT_TRANSLATE_NOOP("QObject", "ИРЗ"), ""},
        {8, QT_TRANSLATE_NOOP("QObject", "Орион"), ""},
        {9, "PICv2", ""},
        {10, QT_TRANSLATE_NOOP("QObject", "Скад"), ""},
        {11, QT_TRANSLATE_NOOP("QObject", "Скан"), ""},
        {12, QT_TRANSLATE_NOOP("QObject", "Триол"), ""},
        {13, "Zenith", ""},
        {14, QT_TRANSLATE_NOOP("QObject", "СНГ"), ""},
        {15, QT_TRANSLATE_NOOP("QObject", "Борец СПТ"), "-2"},
        {16, QT_TRANSLATE_NOOP("QObject", "РН-Transfer"), ""},
        {17, "RUZEVA", ""},
        {18, "Baker Huges", ""},
        {19, "SPY PRO 11", ""},
        {20, QT_TRANSLATE_NOOP("QObject", "Эталон"), "-06"},
        {21, "GRS", ""},
        {22, "Oxford", ""},
        {23, "Zenith 2.48", ""},
        {24, "Ace", ""},
        {25, "PICv3", ""},
    };
    for (const DhsRow& row : rows) {
        if (row.code == type)
            return tr(row.text) + QLatin1String(row.suffix);
    }
    return QString::number(static_cast<int>(type));
}

// ---- Reasons, alarms, start types ---------------------------------------------------------------

namespace {

// Stop reasons (parameter 535). Codes of the digital-input protections are built below.
const TextRow kReasonStop[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Оператор")},
    {2, QT_TRANSLATE_NOOP("QObject", "Сопротивление изоляции")},
    {3, QT_TRANSLATE_NOOP("QObject", "Недогруз двигателя")},
    {4, QT_TRANSLATE_NOOP("QObject", "Перегруз двигателя")},
    {5, QT_TRANSLATE_NOOP("QObject", "Снижение питания сети")},
    {6, QT_TRANSLATE_NOOP("QObject", "Превышение питания сети")},
    {7, QT_TRANSLATE_NOOP("QObject", "Турбинное вращение")},
    {8, QT_TRANSLATE_NOOP("QObject", "Перекос фаз сети")},
    {9, QT_TRANSLATE_NOOP("QObject", "Взлом СУ")},
    {10, QT_TRANSLATE_NOOP("QObject", "Таймер")},
    {11, QT_TRANSLATE_NOOP("QObject", "ТМС. Нет связи")},
    {12, QT_TRANSLATE_NOOP("QObject", "Контактный манометр")},
    {13, QT_TRANSLATE_NOOP("QObject", "Pmin на приёме насоса")},
    {14, QT_TRANSLATE_NOOP("QObject", "Перегрев двигателя")},
    {15, QT_TRANSLATE_NOOP("QObject", "Pmax на приёме насоса")},
    {16, QT_TRANSLATE_NOOP("QObject", "Превышение вибрации")},
    {17, QT_TRANSLATE_NOOP("QObject", "Ток утечки")},
    {18, QT_TRANSLATE_NOOP("QObject", "Аварийный стоп")},
    {19, QT_TRANSLATE_NOOP("QObject", "Ошибка параметров")},
    {20, QT_TRANSLATE_NOOP("QObject", "Дисбаланс токов ПЭД")},
    {21, QT_TRANSLATE_NOOP("QObject", "Дисбаланс напряжения")},
    {22, QT_TRANSLATE_NOOP("QObject", "Авария ЧРП")},
    {23, QT_TRANSLATE_NOOP("QObject", "Перегрев ЧРП")},
    {24, QT_TRANSLATE_NOOP("QObject", "По программе")},
    {25, QT_TRANSLATE_NOOP("QObject", "Периодический режим")},
    {26, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1 Макс.")},
    {27, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2 Макс.")},
    {28, QT_TRANSLATE_NOOP("QObject", "Телеуправление")},
    {29, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы двигателя")},
    {30, QT_TRANSLATE_NOOP("QObject", "Отключение питания сети")},
    {31, QT_TRANSLATE_NOOP("QObject", "Заклинивание")},
    {32, QT_TRANSLATE_NOOP("QObject", "Сброс параметров")},
    {33, QT_TRANSLATE_NOOP("QObject", "Смена режима работы")},
    {34, QT_TRANSLATE_NOOP("QObject", "Перегрев масла")},
    {35, QT_TRANSLATE_NOOP("QObject", "Низкое сопротивление изоляции")},
    {36, QT_TRANSLATE_NOOP("QObject", "Ошибка памяти")},
    {37, QT_TRANSLATE_NOOP("QObject", "Ошибка часов")},
    {38, QT_TRANSLATE_NOOP("QObject", "Счётчик. Нет связи")},
    {39, QT_TRANSLATE_NOOP("QObject", "Снижение частоты сети")},
    {40, QT_TRANSLATE_NOOP("QObject", "Превышение частоты сети")},
    {41, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1 Мин.")},
    {42, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2 Мин.")},
    {100, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3 Мин.")},
    {101, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4 Мин.")},
    {102, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3 Макс.")},
    {103, QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4 Макс.")},
    {104, QT_TRANSLATE_NOOP("QObject", "Предел тока двигателя")},
    {105, QT_TRANSLATE_NOOP("QObject", "Рассинхронизация ПВЭД")},
    {106, QT_TRANSLATE_NOOP("QObject", "Аппаратные защиты ЧРП")},
    {111, QT_TRANSLATE_NOOP("QObject", "ЧРП. Нет связи")},
    {112, QT_TRANSLATE_NOOP("QObject", "Дисбаланс входных токов")},
    {113, QT_TRANSLATE_NOOP("QObject", "Перегрев трансформатора")},
    {114, QT_TRANSLATE_NOOP("QObject", "Превышение числа пусков")},
    {115, QT_TRANSLATE_NOOP("QObject", "Минимальный расход")},
    {116, QT_TRANSLATE_NOOP("QObject", "Pmax на выкиде насоса")},
    {117, QT_TRANSLATE_NOOP("QObject", "Перегрев фильтра")},
    {118, QT_TRANSLATE_NOOP("QObject", "Tmax на выкиде насоса")},
    {119, QT_TRANSLATE_NOOP("QObject", "Чередование фаз")},
    {124, QT_TRANSLATE_NOOP("QObject", "Обрыв датчика тока")},
    {125, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение звена DC")},
    {126, QT_TRANSLATE_NOOP("QObject", "Высокое напряжение звена DC")},
    {127, QT_TRANSLATE_NOOP("QObject", "Замыкание на землю")},
    {128, QT_TRANSLATE_NOOP("QObject", "Перегрузка ЧРП")},
    {129, QT_TRANSLATE_NOOP("QObject", "Перегрев радиатора")},
    {130, QT_TRANSLATE_NOOP("QObject", "Неисправность вентилятора")},
    {131, QT_TRANSLATE_NOOP("QObject", "Авария ИБП")},
    {132, QT_TRANSLATE_NOOP("QObject", "Открыта дверь")},
    {133, QT_TRANSLATE_NOOP("QObject", "Турбинное вращение при пуске")},
    {134, QT_TRANSLATE_NOOP("QObject", "Ошибка синхронизации")},
    {135, QT_TRANSLATE_NOOP("QObject", "Неуспешный пуск")},
    {136, QT_TRANSLATE_NOOP("QObject", "Низкий уровень жидкости")},
    {137, QT_TRANSLATE_NOOP("QObject", "Газ на приёме насоса")},
    {138, QT_TRANSLATE_NOOP("QObject", "Снижение дебита")},
    {139, QT_TRANSLATE_NOOP("QObject", "Потеря подачи")},
    {140, QT_TRANSLATE_NOOP("QObject", "Ошибка плавного пуска")},
    {141, QT_TRANSLATE_NOOP("QObject", "Ошибка внешнего контроллера")},
    {142, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 13")},
    {143, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 14")},
    {144, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 15")},
    {145, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 16")},
    {146, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 17")},
    {147, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 18")},
    {148, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 19")},
    {149, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 20")},
    {150, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 21")},
    {151, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 22")},
    {152, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 23")},
    {153, QT_TRANSLATE_NOOP("QObject", "Цифр. вх. 24")},
    {154, QT_TRANSLATE_NOOP("QObject", "Байпас")},
    {155, QT_TRANSLATE_NOOP("QObject", "Внешний останов")},
    {156, QT_TRANSLATE_NOOP("QObject", "Обновление ПО")},
};

// Start reasons. From 21 on, a number that is also a stop reason names the start that follows that stop
// (mostly the restart of its protection); 43-99 are not stop reasons.
const TextRow kReasonRun[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Оператор")},
    {2, QT_TRANSLATE_NOOP("QObject", "Телеуправление")},
    {3, QT_TRANSLATE_NOOP("QObject", "АПВ")},
    {4, QT_TRANSLATE_NOOP("QObject", "По программе")},
    {5, QT_TRANSLATE_NOOP("QObject", "Периодический режим")},
    {6, QT_TRANSLATE_NOOP("QObject", "Таймер")},
    {7, QT_TRANSLATE_NOOP("QObject", "Цифровой вход")},
    {8, QT_TRANSLATE_NOOP("QObject", "Включение питания")},
    {9, QT_TRANSLATE_NOOP("QObject", "Восстановление питания сети")},
    {10, QT_TRANSLATE_NOOP("QObject", "Автоматический перезапуск")},
    {11, QT_TRANSLATE_NOOP("QObject", "Поддержание давления")},
    {12, QT_TRANSLATE_NOOP("QObject", "Встряхивание")},
    {13, QT_TRANSLATE_NOOP("QObject", "Раскачка")},
    {14, QT_TRANSLATE_NOOP("QObject", "Прокачка")},
    {15, QT_TRANSLATE_NOOP("QObject", "АПВ после турбинного вращения")},
    {16, QT_TRANSLATE_NOOP("QObject", "АПВ по сопротивлению изоляции")},
    {17, QT_TRANSLATE_NOOP("QObject", "АПВ по недогрузу")},
    {18, QT_TRANSLATE_NOOP("QObject", "АПВ по перегрузу")},
    {19, QT_TRANSLATE_NOOP("QObject", "АПВ по напряжению")},
    {20, QT_TRANSLATE_NOOP("QObject", "Смена направления вращения")},
    {21, QT_TRANSLATE_NOOP("QObject", "АПВ по дисбалансу напряжения")},
    {22, QT_TRANSLATE_NOOP("QObject", "АПВ после аварии ЧРП")},
    {23, QT_TRANSLATE_NOOP("QObject", "АПВ по перегреву ЧРП")},
    {24, QT_TRANSLATE_NOOP("QObject", "Пуск по программе")},
    {25, QT_TRANSLATE_NOOP("QObject", "Пуск в периодическом режиме")},
    {26, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 1 Макс.")},
    {27, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 2 Макс.")},
    {28, QT_TRANSLATE_NOOP("QObject", "Пуск по телеуправлению")},
    {29, QT_TRANSLATE_NOOP("QObject", "АПВ по обрыву фазы двигателя")},
    {30, QT_TRANSLATE_NOOP("QObject", "Пуск после отключения питания сети")},
    {31, QT_TRANSLATE_NOOP("QObject", "АПВ после заклинивания")},
    {32, QT_TRANSLATE_NOOP("QObject", "Пуск после сброса параметров")},
    {33, QT_TRANSLATE_NOOP("QObject", "Пуск при смене режима работы")},
    {34, QT_TRANSLATE_NOOP("QObject", "АПВ по перегреву масла")},
    {35, QT_TRANSLATE_NOOP("QObject", "АПВ по низкому сопротивлению изоляции")},
    {36, QT_TRANSLATE_NOOP("QObject", "Пуск после ошибки памяти")},
    {37, QT_TRANSLATE_NOOP("QObject", "Пуск после ошибки часов")},
    {38, QT_TRANSLATE_NOOP("QObject", "Пуск после восстановления связи со счётчиком")},
    {39, QT_TRANSLATE_NOOP("QObject", "АПВ по снижению частоты сети")},
    {40, QT_TRANSLATE_NOOP("QObject", "АПВ по превышению частоты сети")},
    {41, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 1 Мин.")},
    {42, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 2 Мин.")},
    {43, QT_TRANSLATE_NOOP("QObject", "Пуск с сервисной программы")},
    {44, QT_TRANSLATE_NOOP("QObject", "Пуск с командной консоли")},
    {45, QT_TRANSLATE_NOOP("QObject", "Пуск после калибровки")},
    {46, QT_TRANSLATE_NOOP("QObject", "Отложенный пуск")},
    {47, QT_TRANSLATE_NOOP("QObject", "Пуск после снятия блокировки")},
    {48, QT_TRANSLATE_NOOP("QObject", "Пуск после перезагрузки ПО")},
    {49, QT_TRANSLATE_NOOP("QObject", "Пуск после загрузки конфигурации")},
    {50, QT_TRANSLATE_NOOP("QObject", "Пуск после автоадаптации")},
    {51, QT_TRANSLATE_NOOP("QObject", "Пуск после автонастройки")},
    {52, QT_TRANSLATE_NOOP("QObject", "Пуск с подхватом")},
    {53, QT_TRANSLATE_NOOP("QObject", "Толчковый пуск")},
    {54, QT_TRANSLATE_NOOP("QObject", "Пуск с раскачкой")},
    {55, QT_TRANSLATE_NOOP("QObject", "Пуск с синхронизацией")},
    {56, QT_TRANSLATE_NOOP("QObject", "Пуск с пропуском резонансных частот")},
    {57, QT_TRANSLATE_NOOP("QObject", "Пуск с увеличенным моментом")},
    {58, QT_TRANSLATE_NOOP("QObject", "Прямой пуск")},
    {59, QT_TRANSLATE_NOOP("QObject", "Плавный пуск")},
    {60, QT_TRANSLATE_NOOP("QObject", "Пуск по спецалгоритму")},
    {61, QT_TRANSLATE_NOOP("QObject", "Пуск в режиме чередования частот")},
    {62, QT_TRANSLATE_NOOP("QObject", "Пуск в режиме ВНР")},
    {63, QT_TRANSLATE_NOOP("QObject", "Пуск в режиме поддержания параметра")},
    {64, QT_TRANSLATE_NOOP("QObject", "Пуск в режиме оптимизации напряжения")},
    {65, QT_TRANSLATE_NOOP("QObject", "Пуск в режиме токоограничения")},
    {66, QT_TRANSLATE_NOOP("QObject", "Пуск после встряхивания")},
    {67, QT_TRANSLATE_NOOP("QObject", "Пуск после прокачки газа")},
    {68, QT_TRANSLATE_NOOP("QObject", "Пуск при работе от ИБП")},
    {69, QT_TRANSLATE_NOOP("QObject", "Пуск после возврата питания с ИБП")},
    {70, QT_TRANSLATE_NOOP("QObject", "Пуск после переключения байпаса")},
    {71, QT_TRANSLATE_NOOP("QObject", "Пуск после сброса аварии ЧРП")},
    {72, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 1")},
    {73, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 2")},
    {74, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 3")},
    {75, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 4")},
    {76, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 5")},
    {77, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 6")},
    {78, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 7")},
    {79, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 8")},
    {80, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 9")},
    {81, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 10")},
    {82, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 11")},
    {83, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 12")},
    {84, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 13")},
    {85, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 14")},
    {86, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 15")},
    {87, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 16")},
    {88, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 17")},
    {89, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 18")},
    {90, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 19")},
    {91, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 20")},
    {92, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 21")},
    {93, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 22")},
    {94, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 23")},
    {95, QT_TRANSLATE_NOOP("QObject", "Пуск по цифр. вх. 24")},
    {96, QT_TRANSLATE_NOOP("QObject", "Пуск по разрешению на запуск")},
    {97, QT_TRANSLATE_NOOP("QObject", "Пуск после аварийного останова")},
    {98, QT_TRANSLATE_NOOP("QObject", "Пуск после ошибки параметров")},
    {99, QT_TRANSLATE_NOOP("QObject", "Пуск после смены направления вращения")},
    {100, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 3 Мин.")},
    {101, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 4 Мин.")},
    {102, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 3 Макс.")},
    {103, QT_TRANSLATE_NOOP("QObject", "АПВ по Ан. вх. 4 Макс.")},
    {104, QT_TRANSLATE_NOOP("QObject", "АПВ по пределу тока двигателя")},
    {105, QT_TRANSLATE_NOOP("QObject", "АПВ по рассинхронизации ПВЭД")},
    {106, QT_TRANSLATE_NOOP("QObject", "АПВ по аппаратным защитам ЧРП")},
    {107, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 1")},
    {108, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 2")},
    {109, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 3")},
    {110, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 4")},
    {111, QT_TRANSLATE_NOOP("QObject", "Пуск после восстановления связи с ЧРП")},
    {112, QT_TRANSLATE_NOOP("QObject", "АПВ по дисбалансу входных токов")},
    {113, QT_TRANSLATE_NOOP("QObject", "АПВ по перегреву трансформатора")},
    {114, QT_TRANSLATE_NOOP("QObject", "Пуск после блокировки по числу пусков")},
    {115, QT_TRANSLATE_NOOP("QObject", "АПВ по минимальному расходу")},
    {116, QT_TRANSLATE_NOOP("QObject", "АПВ по Pmax на выкиде насоса")},
    {117, QT_TRANSLATE_NOOP("QObject", "АПВ по перегреву фильтра")},
    {118, QT_TRANSLATE_NOOP("QObject", "АПВ по Tmax на выкиде насоса")},
    {119, QT_TRANSLATE_NOOP("QObject", "Пуск после восстановления чередования фаз")},
    {120, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 7")},
    {121, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 8")},
    {122, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 9")},
    {123, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 10")},
    {124, QT_TRANSLATE_NOOP("QObject", "Пуск после восстановления датчика тока")},
    {125, QT_TRANSLATE_NOOP("QObject", "АПВ по низкому напряжению звена DC")},
    {126, QT_TRANSLATE_NOOP("QObject", "АПВ по высокому напряжению звена DC")},
    {127, QT_TRANSLATE_NOOP("QObject", "АПВ после замыкания на землю")},
    {128, QT_TRANSLATE_NOOP("QObject", "АПВ по перегрузке ЧРП")},
    {129, QT_TRANSLATE_NOOP("QObject", "АПВ по перегреву радиатора")},
    {130, QT_TRANSLATE_NOOP("QObject", "Пуск после ремонта вентилятора")},
    {131, QT_TRANSLATE_NOOP("QObject", "Пуск после аварии ИБП")},
    {132, QT_TRANSLATE_NOOP("QObject", "Пуск после закрытия двери")},
    {133, QT_TRANSLATE_NOOP("QObject", "Пуск после окончания турбинного вращения")},
    {134, QT_TRANSLATE_NOOP("QObject", "Повторный пуск после ошибки синхронизации")},
    {135, QT_TRANSLATE_NOOP("QObject", "Повторный пуск после неуспешного")},
    {136, QT_TRANSLATE_NOOP("QObject", "Пуск после накопления жидкости")},
    {137, QT_TRANSLATE_NOOP("QObject", "Пуск после удаления газа")},
    {138, QT_TRANSLATE_NOOP("QObject", "АПВ по снижению дебита")},
    {139, QT_TRANSLATE_NOOP("QObject", "АПВ по потере подачи")},
    {140, QT_TRANSLATE_NOOP("QObject", "Повторный плавный пуск")},
    {141, QT_TRANSLATE_NOOP("QObject", "Пуск от внешнего контроллера")},
    {142, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 13")},
    {143, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 14")},
    {144, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 15")},
    {145, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 16")},
    {146, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 17")},
    {147, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 18")},
    {148, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 19")},
    {149, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 20")},
    {150, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 21")},
    {151, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 22")},
    {152, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 23")},
    {153, QT_TRANSLATE_NOOP("QObject", "АПВ по цифр. вх. 24")},
    {154, QT_TRANSLATE_NOOP("QObject", "Пуск через байпас")},
    {155, QT_TRANSLATE_NOOP("QObject", "Пуск после внешнего останова")},
    {156, QT_TRANSLATE_NOOP("QObject", "Пуск после обновления ПО")},
};

// Start types (parameter 14): 1 plain, 2 jogging, 3 swinging, 4 synchronised, then the other start modes.
const TextRow kRgmRun[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Нет")},
    {1, QT_TRANSLATE_NOOP("QObject", "Обычный")},
    {2, QT_TRANSLATE_NOOP("QObject", "Толчковый")},
    {3, QT_TRANSLATE_NOOP("QObject", "С раскачкой")},
    {4, QT_TRANSLATE_NOOP("QObject", "С синхронизацией")},
    {5, QT_TRANSLATE_NOOP("QObject", "Подхват")},
    {6, QT_TRANSLATE_NOOP("QObject", "Пропуск резонансных частот")},
    {7, QT_TRANSLATE_NOOP("QObject", "Автонастройка")},
    {8, QT_TRANSLATE_NOOP("QObject", "С увеличенным моментом")},
    {9, QT_TRANSLATE_NOOP("QObject", "Спецалгоритм")},
    {10, QT_TRANSLATE_NOOP("QObject", "Прямой")},
    {11, QT_TRANSLATE_NOOP("QObject", "Мягкий")},
    {12, QT_TRANSLATE_NOOP("QObject", "Автоадаптация")},
};

const TextRow kVsdAlarm[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Перегрузка по току")},
    {2, QT_TRANSLATE_NOOP("QObject", "Короткое замыкание")},
    {3, QT_TRANSLATE_NOOP("QObject", "Замыкание на землю")},
    {4, QT_TRANSLATE_NOOP("QObject", "Перенапряжение звена DC")},
    {5, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение звена DC")},
    {6, QT_TRANSLATE_NOOP("QObject", "Перегрев радиатора")},
    {7, QT_TRANSLATE_NOOP("QObject", "Перегрев двигателя")},
    {8, QT_TRANSLATE_NOOP("QObject", "Обрыв фазы двигателя")},
    {9, QT_TRANSLATE_NOOP("QObject", "Обрыв входной фазы")},
    {10, QT_TRANSLATE_NOOP("QObject", "Перегрузка инвертора")},
    {11, QT_TRANSLATE_NOOP("QObject", "Неисправность вентилятора")},
    {12, QT_TRANSLATE_NOOP("QObject", "Нет связи с платой управления")},
    {13, QT_TRANSLATE_NOOP("QObject", "Ошибка датчика тока")},
    {14, QT_TRANSLATE_NOOP("QObject", "Неисправность IGBT")},
    {15, QT_TRANSLATE_NOOP("QObject", "Внутренняя ошибка")},
};

const TextRow kVsdWarning[] = {
    {1, QT_TRANSLATE_NOOP("QObject", "Предел тока")},
    {2, QT_TRANSLATE_NOOP("QObject", "Высокая температура радиатора")},
    {3, QT_TRANSLATE_NOOP("QObject", "Низкое напряжение сети")},
    {4, QT_TRANSLATE_NOOP("QObject", "Высокое напряжение сети")},
    {5, QT_TRANSLATE_NOOP("QObject", "Перегрузка инвертора")},
    {6, QT_TRANSLATE_NOOP("QObject", "Предел момента")},
    {7, QT_TRANSLATE_NOOP("QObject", "Неисправность вентилятора")},
    {8, QT_TRANSLATE_NOOP("QObject", "Дисбаланс входных фаз")},
    {9, QT_TRANSLATE_NOOP("QObject", "Высокая температура платы")},
    {10, QT_TRANSLATE_NOOP("QObject", "Нет связи по резервному каналу")},
};

// Digital inputs 1-4 and 7-10: the name choice and the two custom-name words of each.
struct DiNameIds {
    int reason;
    int input;
    unsigned short choice;
    unsigned short first;
    unsigned short second;
};
const DiNameIds kDiReasons[] = {
    {107, 1, 1231, 2125, 2126},
    {108, 2, 1232, 2127, 2128},
    {109, 3, 1233, 2129, 2130},
    {110, 4, 1234, 2131, 2132},
    {120, 7, 1235, 2133, 2134},
    {121, 8, 1236, 2135, 2136},
    {122, 9, 1237, 2137, 2138},
    {123, 10, 1238, 2139, 2140},
};

} // namespace

QString Common::getTextReasonRun(int reason)
{
    if (reason == 0)
        return QString();
    return lookup(kReasonRun, reason, Fallback::Decimal);
}

QString Common::getTextReasonStop(int reason, const CellReader& cells)
{
    if (reason == 0)
        return QString();
    for (const DiNameIds& di : kDiReasons) {
        if (di.reason != reason)
            continue;
        QString text = QCoreApplication::translate("QObject", "Цифр. вх. %1").arg(di.input);
        const quint32 choice = cells ? toCode(bitsFloat(cells(di.choice))) : 0;
        if (choice <= 4) {
            const QString name = getTextDiParameter(static_cast<unsigned short>(choice), di.first, di.second, cells);
            if (!name.isEmpty())
                text += QStringLiteral(" (%1)").arg(name);
        }
        return text;
    }
    return lookup(kReasonStop, reason, Fallback::Decimal);
}

QString Common::getTextRgmRun(unsigned short type)
{
    return lookupOr(kRgmRun, type, QT_TRANSLATE_NOOP("QObject", "Неизвестный тип пуска"));
}

QString Common::getTextVsdAlarm(int code, bool showNumber)
{
    return lookup(kVsdAlarm, code, showNumber ? Fallback::Decimal : Fallback::Empty);
}

QString Common::getTextVsdWarning(int code, bool showNumber)
{
    return lookup(kVsdWarning, code, showNumber ? Fallback::Decimal : Fallback::Empty);
}

