#pragma once

#include <QtGlobal>

#include <optional>

class Scada;

// A date-time in seconds as three registers, broken down in the board's local time: month + 256 x years
// since 2000, hour + 256 x day of month, second + 256 x minute.
//
// A master may write one register of the three or several in one request. An object of this class
// collects the words of one request, so that a request writing the whole date-time sets it once, as
// a whole, and a write that gives no valid date is refused as a whole.
class ScadaDateTime
{
public:
    enum Word { YearMonth = 0, DayHour = 1, MinuteSecond = 2 };
    static constexpr int kWords = 3;

    // A date and time of day as the wall clock shows it; every map lays these fields out in its own words.
    struct Fields {
        int year = 2000;
        int month = 1;  // 1-12
        int day = 1;
        int hour = 0;
        int minute = 0;
        int second = 0;
        // The year as registers carry it: from 2000 on, 0 before.
        int yearsFrom2000() const { return year > 2000 ? year - 2000 : 0; }
    };
    // `seconds` broken down in the board's local time.
    static Fields local(quint32 seconds);
    // The seconds of a wall-clock time in local time, daylight saving as the date has it; false when the fields
    // name no calendar date and time of day (30 February, hour 24, second 60, an hour that summer time
    // skips) or one beyond what 32-bit seconds hold.
    static bool make(const Fields& wall, quint32* seconds);

    static void pack(quint32 seconds, quint16 words[kWords]);
    // The three words of `seconds` into the rows at first, first + 1 and first + 2 of `map`.
    static void fill(Scada& map, quint16 first, quint32 seconds);
    // `seconds` with the written words (-1: not written) put in; false when they give no valid date or one
    // beyond what 32-bit seconds hold. A year-and-month word of 0 sets the year 2000 and keeps the month;
    // a day of 0 is the 1st.
    static bool edit(quint32 seconds, const qint32 words[kWords], quint32* result);

    // A write request covers the table registers first .. first + count - 1.
    void beginRequest(int first, int count);
    // A written register of the date-time whose first register is `first`, with the date-time's value
    // `current`. False: refused, no valid date. When the request writes no further register of this
    // date-time, `date` gets the new value.
    bool take(int first, int address, float value, quint32 current, std::optional<quint32>* date);

private:
    int requestLast_ = -1;
    int collecting_ = -1;
    qint32 words_[kWords] = {-1, -1, -1};
};
