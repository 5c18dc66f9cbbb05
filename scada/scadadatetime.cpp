#include "scada/scadadatetime.h"

#include <ctime>

#include "scada/scada.h"
#include "texts/common.h"

void ScadaDateTime::pack(quint32 seconds, quint16 words[kWords])
{
    const time_t at = static_cast<time_t>(seconds);
    struct tm t = {};
    localtime_r(&at, &t);
    const int years = t.tm_year > 100 ? t.tm_year - 100 : 0;
    words[YearMonth] = static_cast<quint16>((t.tm_mon + 1 + 256 * years) & 0xFFFF);
    words[DayHour] = static_cast<quint16>((t.tm_hour + 256 * t.tm_mday) & 0xFFFF);
    words[MinuteSecond] = static_cast<quint16>((t.tm_sec + 256 * t.tm_min) & 0xFFFF);
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
    const time_t at = static_cast<time_t>(seconds);
    struct tm t = {};
    if (!localtime_r(&at, &t))
        return false;
    auto high = [](qint32 w) { return (w >> 8) & 0xFF; };
    auto low = [](qint32 w) { return w & 0xFF; };
    if (words[YearMonth] >= 0) {
        t.tm_year = 100 + high(words[YearMonth]);
        if ((words[YearMonth] & 0xFFFF) != 0)
            t.tm_mon = low(words[YearMonth]) - 1;
    }
    if (words[DayHour] >= 0) {
        t.tm_hour = low(words[DayHour]);
        t.tm_mday = high(words[DayHour]) ? high(words[DayHour]) : 1;
    }
    if (words[MinuteSecond] >= 0) {
        t.tm_min = high(words[MinuteSecond]);
        t.tm_sec = low(words[MinuteSecond]);
    }
    const struct tm wanted = t;
    // The daylight flag of the new date, not of the old one: 14:00 written in winter stays 14:00.
    t.tm_isdst = -1;
    const time_t made = mktime(&t);
    // mktime carries fields that are out of range (month 13, 31 April, hour 24) into others.
    const bool same = t.tm_year == wanted.tm_year && t.tm_mon == wanted.tm_mon && t.tm_mday == wanted.tm_mday
        && t.tm_hour == wanted.tm_hour && t.tm_min == wanted.tm_min && t.tm_sec == wanted.tm_sec;
    if (!same || made < 0 || static_cast<qint64>(made) > 0xFFFFFFFFLL)
        return false;
    *result = static_cast<quint32>(made);
    return true;
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
