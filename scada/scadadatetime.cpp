#include "scada/scadadatetime.h"

#include <ctime>

#include "scada/scada.h"
#include "texts/common.h"

ScadaDateTime::Fields ScadaDateTime::local(quint32 seconds)
{
    const time_t at = static_cast<time_t>(seconds);
    struct tm t = {};
    Fields f;
    if (!localtime_r(&at, &t))
        return f;
    f.year = t.tm_year + 1900;
    f.month = t.tm_mon + 1;
    f.day = t.tm_mday;
    f.hour = t.tm_hour;
    f.minute = t.tm_min;
    f.second = t.tm_sec;
    return f;
}

bool ScadaDateTime::make(const Fields& wall, quint32* seconds)
{
    struct tm t = {};
    t.tm_year = wall.year - 1900;
    t.tm_mon = wall.month - 1;
    t.tm_mday = wall.day;
    t.tm_hour = wall.hour;
    t.tm_min = wall.minute;
    t.tm_sec = wall.second;
    // The daylight flag of the new date, not of the old one: 14:00 written in winter stays 14:00.
    t.tm_isdst = -1;
    const time_t made = mktime(&t);
    // mktime carries fields that are out of range (month 13, 31 April, hour 24) into others, and moves a time
    // that summer time skips.
    const bool same = t.tm_year == wall.year - 1900 && t.tm_mon == wall.month - 1 && t.tm_mday == wall.day
        && t.tm_hour == wall.hour && t.tm_min == wall.minute && t.tm_sec == wall.second;
    if (!same || made < 0 || static_cast<qint64>(made) > 0xFFFFFFFFLL)
        return false;
    *seconds = static_cast<quint32>(made);
    return true;
}

void ScadaDateTime::pack(quint32 seconds, quint16 words[kWords])
{
    const Fields f = local(seconds);
    words[YearMonth] = static_cast<quint16>((f.month + 256 * f.yearsFrom2000()) & 0xFFFF);
    words[DayHour] = static_cast<quint16>((f.hour + 256 * f.day) & 0xFFFF);
    words[MinuteSecond] = static_cast<quint16>((f.second + 256 * f.minute) & 0xFFFF);
}

void ScadaDateTime::fill(Scada& map, quint16 first, quint32 seconds)
{
    quint16 words[kWords];
    pack(seconds, words);
    for (int k = 0; k < kWords; ++k)
        map.parameter(static_cast<quint16>(first + k))->value = words[k];
}

bool ScadaDateTime::edit(quint32 seconds, const qint32 words[kWords], quint32* result)
{
    Fields f = local(seconds);
    auto high = [](qint32 w) { return (w >> 8) & 0xFF; };
    auto low = [](qint32 w) { return w & 0xFF; };
    if (words[YearMonth] >= 0) {
        f.year = 2000 + high(words[YearMonth]);
        if ((words[YearMonth] & 0xFFFF) != 0)
            f.month = low(words[YearMonth]);
    }
    if (words[DayHour] >= 0) {
        f.hour = low(words[DayHour]);
        f.day = high(words[DayHour]) ? high(words[DayHour]) : 1;
    }
    if (words[MinuteSecond] >= 0) {
        f.minute = high(words[MinuteSecond]);
        f.second = low(words[MinuteSecond]);
    }
    return make(f, result);
}

void ScadaDateTime::beginRequest(int first, int count)
{
    requestLast_ = first + count - 1;
    collecting_ = -1;
}

bool ScadaDateTime::take(int first, int address, float value, quint32 current, std::optional<quint32>* date)
{
    if (collecting_ != first) {
        collecting_ = first;
        words_[0] = words_[1] = words_[2] = -1;
    }
    words_[address - first] = static_cast<qint32>(Common::toCode(value) & 0xFFFF);
    if (address < first + kWords - 1 && address < requestLast_)
        return true;  // the request writes more of it
    collecting_ = -1;
    quint32 seconds = 0;
    if (!edit(current, words_, &seconds))
        return false;
    *date = seconds;
    return true;
}
