#include "scada/scada_zizedu.h"

#include <cmath>

#include "app/parameters.h"
#include "scada/scadadatetime.h"
#include "scada/scadafactory.h"
#include "scada/scadastationwords.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(5, ScadaZizedu)

namespace {

// Code tables of the master's protocol. A table that turns a written code into a value starts at the
// code `first`; -1 marks a code that a write refuses.
template <size_t N>
struct CodeTable {
    int first;
    int values[N];

    // The value for `code`, or -1.
    int at(int code) const
    {
        const int i = code - first;
        return i >= 0 && i < static_cast<int>(N) ? values[i] : -1;
    }
};

constexpr CodeTable<12> kDhsTypeFromCode = {0, {0, -1, 5, 3, -1, -1, 10, -1, 7, 1, 14, 9}};
constexpr CodeTable<15> kDhsCodeFromType = {1, {9, 0, 3, 2, 2, 0, 8, 0, 11, 6, 0, 0, 0, 10, 3}};
constexpr CodeTable<5> kPressureUnitFromCode = {2, {1, 2, 0, 4, 3}};
constexpr CodeTable<15> kInputParameterFromCode = {0, {0, 1, 1, -1, 1, 1, 1, 2, 2, 3, 3, -1, -1, 6, 6}};
constexpr CodeTable<15> kInputUnitFromCode = {0, {0, 2, 1, 0, 0, 4, 3, 0, 1, 0, 1, 0, 0, 0, 2}};
constexpr CodeTable<5> kCodeFrom475 = {0, {4, 2, 8, 5, 6}};
constexpr CodeTable<5> k475FromCode = {2, {1, -1, 0, 3, 4}};
constexpr CodeTable<10> kBaudFromCode = {1, {2400, 4800, 9600, 14400, 19200, 28800, 38400, 57600, 76800, 115200}};
constexpr CodeTable<4> k705FromCode = {0, {0, -1, 1, 3}};

// Stop reasons of parameter 535 and their codes in the low byte of the status word; 106 depends on
// the drive fault code, any other reason gives 115.
const struct {
    int reason;
    quint32 code;
} kStopReasons[] = {
    {0, 0}, {1, 103}, {2, 1}, {3, 11}, {4, 12}, {5, 2}, {6, 5}, {9, 18}, {13, 29}, {14, 26}, {16, 35},
    {20, 13}, {21, 8}, {24, 106}, {26, 128}, {27, 130}, {28, 112}, {30, 107}, {41, 129}, {42, 131},
    {59, 94}, {60, 95}, {61, 96}, {62, 97}, {107, 24}, {108, 23}, {111, 63}, {114, 31},
};

// Drive faults for which stop reason 106 reads as a drive trip (40) rather than 62.
const int kDriveTripFaults[] = {1106, 1107, 1108, 1110, 1111, 3009, 3010};

// Registers that show a switch as a code and set it: reads `on` while the parameter is not 0, a
// written non-zero sets the parameter to `set`, 0 clears it.
const struct {
    quint16 address;
    quint16 id;
    quint32 on;
    float set;
} kSwitches[] = {
    {812, 178, 1, 3.0f}, {816, 402, 1, 3.0f}, {824, 447, 1, 3.0f}, {931, 691, 1, 2.0f},
    {951, 483, 2, 3.0f}, {959, 474, 1, 3.0f}, {969, 499, 1, 3.0f}, {987, 503, 1, 3.0f},
};

// A time in seconds as whole hours in one register and minutes within the hour in the next.
const struct {
    quint16 address;
    quint16 id;
} kHourMinutes[] = {{825, 449}, {827, 450}};

// Voltages of the U/f points in percent of the rated voltage 721.
const struct {
    quint16 address;
    quint16 id;
} kPercentOfRated[] = {{1007, 10030}, {1009, 10032}, {1011, 10034}, {1013, 10036}, {1015, 10038}};

// Analog inputs: the code register, the measured-quantity parameter and its unit.
const struct {
    quint16 address;
    quint16 quantity;
    quint16 unit;
} kInputs[] = {{890, 822, 1105}, {904, 826, 1106}};

// Dates as day, month and year in three registers.
const struct {
    quint16 address;
    quint16 id;
} kDates[] = {{1054, 544}, {1058, 545}, {1062, 551}};

// Unsigned 32-bit values as high and low word.
const struct {
    quint16 address;
    quint16 id;
} kSplitWords[] = {{1051, 540}, {1065, 550}};

bool isSet(float v)
{
    return !(v == 0.0f);  // NaN counts as set
}

quint32 inputCode(int quantity, float unit)
{
    switch (quantity) {
    case 1: case 9: case 10: case 11:  // pressure
        return unit == 2.0f ? 1 : unit == 1.0f ? 2 : unit == 0.0f ? 4 : unit == 4.0f ? 5 : unit == 3.0f ? 6 : 0;
    case 2:
        return unit == 0.0f ? 7 : unit == 1.0f ? 8 : 0;
    case 3:
        return unit == 0.0f ? 9 : unit == 1.0f ? 10 : 0;
    case 6:
        return unit == 0.0f ? 13 : unit == 2.0f ? 14 : 0;
    default:
        return 0;
    }
}

quint32 stopReasonCode(int reason, int driveFault)
{
    if (reason == 106) {
        for (int fault : kDriveTripFaults) {
            if (fault == driveFault)
                return 40;
        }
        return 62;
    }
    for (const auto& r : kStopReasons) {
        if (r.reason == reason)
            return r.code;
    }
    return 115;
}

} // namespace

ScadaZizedu::ScadaZizedu() = default;

ScadaZizedu::~ScadaZizedu() = default;

void ScadaZizedu::calcDateTime(long t, ScadaParameter* param)
{
    // Only the first row of a triple that the table holds whole.
    const ptrdiff_t index = param - parameters_;
    if (!parameters_ || index < 0 || index + 2 >= countParameters_)
        return;
    const ScadaDateTime::Fields f = ScadaDateTime::local(static_cast<quint32>(t));
    const quint32 words[3] = {
        static_cast<quint32>((f.month << 8) | f.day),
        static_cast<quint32>((f.hour << 8) | (f.yearsFrom2000() & 0xFF)),
        static_cast<quint32>((f.second << 8) | f.minute),
    };
    for (int i = 0; i < 3; ++i)
        param[i].value = Common::bitsFloat(words[i] & 0xFFFF);
}

void ScadaZizedu::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    auto number = [this](quint16 address, double v) { parameter(address)->value = static_cast<float>(v); };
    auto raw = [this](quint16 address, quint32 word) {
        parameter(address)->value = Common::bitsFloat(word & 0xFFFF);
    };
    auto get = [p](quint16 id) { return p->get(id); };
    auto seconds = [p](quint16 id) { return Common::toInt(p->get(id)); };
    // A time in seconds as whole hours and the minutes within the hour, in two registers.
    auto hoursMinutes = [&number](quint16 address, int s) {
        number(address, (s / 3600) & 0xFFFF);
        number(address + 1, (s / 60) % 60);
    };

    const bool running = ScadaStationWords::running(p);
    const bool stopped = Common::toCode(get(13)) == 0;
    const quint32 block = Common::toCode(get(633));
    const bool blocked = block == 3;
    const bool restartWait = block == 2;
    const int reason = Common::toInt(get(535));

    // Work state.
    quint32 work = 0;
    if (running) {
        work = isSet(get(674)) ? 2 : isSet(get(692)) ? 1 : 0;
        const struct {
            quint16 id;
            quint32 code;
        } modes[] = {{681, 3}, {686, 5}, {873, 6}, {671, 7}, {961, 8}, {687, 11}};
        for (const auto& m : modes) {
            if (isSet(get(m.id)))
                work = m.code;
        }
        // Digital inputs 1-4 by action; an input whose state is empty does not count.
        const struct {
            float action;
            quint32 code;
        } inputs[] = {{3.0f, 13}, {1.0f, 19}, {2.0f, 25}};
        for (const auto& in : inputs) {
            for (quint16 i = 0; i < 4; ++i) {
                if (!std::isnan(get(24 + i)) && get(804 + i) == in.action)
                    work = in.code + i;
            }
        }
    } else if (get(448) == 400.0f) {
        work = 33;
    } else if (restartWait) {
        work = isSet(get(635)) ? 39 : reason == 30 ? 35 : 34;
    } else if (blocked) {
        work = reason == 28 ? 41 : 36;
    } else {
        work = 32;
    }
    raw(249, work);

    calcDateTime(p->getU32(562), parameter(250));

    // Time counter: running time, or since the stop.
    int counter = seconds(528);
    if (stopped)
        counter = restartWait ? seconds(531) : seconds(529);
    raw(253, static_cast<quint32>(counter / 3600));
    raw(254, static_cast<quint32>(counter % 60 + 256 * ((counter / 60) % 60)));

    const int mode = Common::toInt(get(15));
    const quint32 modeCode = mode == 0 ? 1 : (mode == 1 || mode == 2) ? 2 : 0;
    quint32 startCode = 3;
    switch (Common::toInt(get(533))) {
    case 1: startCode = 0; break;
    case 4: startCode = 1; break;
    case 23: startCode = 2; break;
    case 3: startCode = 4; break;
    case 108: startCode = 5; break;
    case 109: startCode = 6; break;
    case 110: startCode = 7; break;
    case 111: startCode = 8; break;
    default: break;
    }
    quint32 status = stopReasonCode(reason, Common::toInt(get(843)));
    status |= startCode << 8 | modeCode << 12;
    status |= running ? 1u << 15 : 0;
    status |= blocked ? 1u << 14 : 0;
    raw(255, status);

    number(277, get(22) == 0.0f ? 1 : 0);
    raw(300, (get(703) == 0.0f && isSet(get(39))) ? 1 : isSet(get(15017)) ? 2 : 0);
    hoursMinutes(2312, seconds(528));
    calcDateTime(p->getU32(532), parameter(2314));
    calcDateTime(p->getU32(562), parameter(764));

    for (const auto& s : kSwitches)
        number(s.address, isSet(get(s.id)) ? s.on : 0);
    for (const auto& h : kHourMinutes)
        hoursMinutes(h.address, seconds(h.id));
    const int dhs = kDhsCodeFromType.at(Common::toInt(get(39)));
    number(849, dhs < 0 ? 0 : dhs);
    number(866, get(586) == 1.0f ? 8 : 7);
    number(871, get(587) == 1.0f ? 10 : 9);
    const float pressureUnit = get(585);
    number(879, pressureUnit == 2.0f ? 3 : pressureUnit == 1.0f ? 2 : pressureUnit == 4.0f ? 5
                : pressureUnit == 3.0f ? 6 : 4);
    for (const auto& in : kInputs)
        number(in.address, inputCode(Common::toInt(get(in.quantity)), get(in.unit)));
    number(937, isSet(get(673)) ? 1 : isSet(get(680)) ? 2 : 0);
    const int filter = kCodeFrom475.at(Common::toInt(get(475)));
    number(960, filter < 0 ? 8 : filter);
    number(961, get(477));

    // Without a rated voltage there is no percentage to show.
    const float rated = get(721);
    for (const auto& v : kPercentOfRated) {
        const double percent = static_cast<double>(get(v.id)) * 100.0 / static_cast<double>(rated);
        number(v.address, std::isfinite(percent) ? percent : 0.0);
    }

    quint32 baudCode = 11;
    const quint32 baud = Common::toCode(get(581));
    for (int code = 1; code <= 10; ++code) {
        if (static_cast<quint32>(kBaudFromCode.at(code)) == baud)
            baudCode = static_cast<quint32>(code);
    }
    number(1025, baudCode);
    number(1026, 4);

    for (const auto& w : kSplitWords) {
        const quint32 v = p->getU32(w.id);
        raw(w.address, v >> 16);
        raw(w.address + 1, v & 0xFFFF);
    }
    for (const auto& d : kDates) {
        const ScadaDateTime::Fields f = ScadaDateTime::local(p->getU32(d.id));
        number(d.address, f.day);
        number(d.address + 1, f.month);
        number(d.address + 2, f.yearsFrom2000());
    }
    const int steps = Common::toInt(get(705));
    number(1069, steps == 0 ? 0 : steps == 1 ? 2 : 3);
    const quint32 version = Common::toCode(get(541));
    raw(1072, version >> 16);
    raw(1073, version & 0xFFFF);
}

eMBErrorCode ScadaZizedu::writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    edits_.clear();
    const eMBErrorCode result = Scada::writeReg(buffer, address, numRegs);
    edits_.clear();
    return result;
}

quint32 ScadaZizedu::current(quint16 id) const
{
    for (int i = edits_.size() - 1; i >= 0; --i) {
        if (edits_[i].id == id)
            return edits_[i].raw;
    }
    return params() ? params()->getU32(id) : 0;
}

float ScadaZizedu::currentValue(quint16 id) const
{
    return Common::bitsFloat(current(id));
}

void ScadaZizedu::write(quint16 id, quint32 raw)
{
    edits_.append({id, raw});
    setParameter(id, raw, 3);
}

void ScadaZizedu::write(quint16 id, float value)
{
    edits_.append({id, Common::floatBits(value)});
    setParameter(id, value, 3);
}

bool ScadaZizedu::editClock(quint16 address, quint32 word)
{
    ScadaDateTime::Fields f = ScadaDateTime::local(current(562));
    const int high = static_cast<int>((word >> 8) & 0xFF);
    const int low = static_cast<int>(word & 0xFF);
    if (address == 764) {
        f.day = low;
        f.month = high;
    } else if (address == 765) {
        f.hour = high;
        f.year = 2000 + low;
    } else {
        f.minute = low;
        f.second = high;
    }
    quint32 seconds = 0;
    if (!ScadaDateTime::make(f, &seconds))
        return false;
    write(562, seconds);
    return true;
}

int ScadaZizedu::setNewValue(ScadaParameter* param)
{
    if (param->paramId > 0) {
        setParameter(static_cast<quint16>(param->paramId), param->value, 3);
        return 0;
    }
    const quint16 address = param->address;
    const float v = param->value;
    const int code = Common::toInt(v);

    for (const auto& s : kSwitches) {
        if (s.address == address) {
            write(s.id, isSet(v) ? s.set : 0.0f);
            return 0;
        }
    }
    for (const auto& h : kHourMinutes) {
        if (h.address != address && h.address + 1 != address)
            continue;
        const int s = Common::toInt(currentValue(h.id));
        const double value = static_cast<double>(v);
        if (address == h.address)
            write(h.id, static_cast<float>(value * 3600.0 + 60.0 * ((s / 60) % 60)));
        else
            write(h.id, static_cast<float>(3600.0 * (s / 3600) + value * 60.0 + s % 60));
        return 0;
    }
    for (const auto& pr : kPercentOfRated) {
        if (pr.address != address)
            continue;
        // A percentage of no rated voltage would set the point to 0 V.
        const float rated = currentValue(721);
        if (!std::isfinite(rated) || rated == 0.0f)
            return 1;
        write(pr.id, static_cast<float>(static_cast<double>(v) * static_cast<double>(rated) / 100.0));
        return 0;
    }
    for (const auto& in : kInputs) {
        if (in.address != address)
            continue;
        const int quantity = kInputParameterFromCode.at(code);
        if (quantity < 0)
            return 1;
        write(in.quantity, static_cast<float>(quantity));
        write(in.unit, static_cast<float>(kInputUnitFromCode.at(code)));
        return 0;
    }

    auto fromTable = [this](quint16 id, int value) {
        if (value < 0)
            return 1;
        write(id, static_cast<float>(value));
        return 0;
    };
    switch (address) {
    case 764:
    case 765:
    case 766:
        return editClock(address, Common::floatBits(v) & 0xFFFF) ? 0 : 1;
    case 849:
        return fromTable(39, kDhsTypeFromCode.at(code));
    case 866:
        return v == 8.0f ? fromTable(586, 1) : v == 7.0f ? fromTable(586, 0) : 1;
    case 871:
        return v == 10.0f ? fromTable(587, 1) : v == 9.0f ? fromTable(587, 0) : 1;
    case 879:
        return fromTable(585, kPressureUnitFromCode.at(code));
    case 937:
        if (v == 1.0f)
            return fromTable(673, 2);
        if (v == 2.0f)
            return fromTable(680, 2);
        if (v == 0.0f) {
            write(673, 0.0f);
            write(680, 0.0f);
            write(691, 0.0f);
            return 0;
        }
        return 1;
    case 960:
        return fromTable(475, k475FromCode.at(code));
    case 961:
        write(477, v);
        return 0;
    case 1025:
        return fromTable(581, kBaudFromCode.at(code));
    case 1026:
        return v == 4.0f ? 0 : 1;
    case 1069:
        return fromTable(705, k705FromCode.at(code));
    default:
        return 1;
    }
}
