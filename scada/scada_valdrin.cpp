#include "scada/scada_valdrin.h"

#include <cmath>
#include <cstring>

#include "app/parameters.h"
#include "link/spidriver.h"
#include "scada/scadadatetime.h"
#include "scada/scadafactory.h"
#include "scada/scadastationwords.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(1, ScadaValdrin)

namespace {

constexpr int kEventScada = 3;
constexpr int kEventOperator = 1;

constexpr quint16 kLogCommand = 1181;
constexpr quint16 kLogState = 1182;
constexpr quint16 kLogSize = 1183;
constexpr quint16 kClock = 562;

struct Pair {
    int from;
    int to;
};

// Register 4: stop reason of p535 -> code.
constexpr Pair kStopCodes[] = {
    {0, 0},      {1, 0},      {2, 11},     {3, 8},      {4, 7},      {5, 4},      {6, 3},      {9, 18},
    {13, 12},    {14, 15},    {16, 16},    {20, 9},     {21, 5},     {24, 1},     {26, 26},    {27, 27},
    {28, 2},     {30, 4},     {41, 26},    {42, 27},    {100, 28},   {101, 29},   {102, 28},   {103, 29},
    {104, 30},   {105, 25},   {107, 20},   {108, 21},   {109, 22},   {110, 23},   {111, 33},   {112, 24},
    {114, 17},   {115, 13},   {116, 14},   {129, 129},  {1029, 7},
};

// Register 95: stop reason of p535 -> the one bit it sets (106 is refined by the drive fault code).
constexpr Pair kStopBits[] = {
    {6, 0},    {5, 1},    {21, 2},   {119, 3},  {104, 4},  {4, 5},    {3, 6},    {20, 7},   {2, 10},
    {13, 11},  {115, 12}, {116, 13}, {14, 14},  {16, 15},  {114, 16}, {9, 17},   {106, 18}, {107, 19},
    {108, 20}, {109, 21}, {110, 22}, {112, 23}, {105, 24}, {26, 27},  {41, 27},  {27, 28},  {42, 28},
    {100, 29}, {102, 29}, {101, 30}, {103, 30},
};

// Register 133: pressure display unit p585 -> code.
constexpr Pair kPressureUnits[] = {{1, 4}, {2, 1}, {3, 2}, {4, 3}};

// Protection words 93 and 415: bit, action parameter, the action that sets the bit in each word
// (0: never).
constexpr struct {
    int bit;
    quint16 action;
    quint32 word93;
    quint32 word415;
} kProtections[] = {
    {0, 43, 2, 1},    {1, 58, 2, 1},    {2, 73, 2, 1},    {3, 103, 3, 0},   {4, 148, 2, 1},   {5, 118, 2, 1},
    {6, 133, 2, 1},   {7, 163, 2, 1},   {8, 178, 3, 1},   {10, 238, 1, 1},  {11, 208, 2, 1},  {12, 918, 2, 1},
    {13, 936, 2, 1},  {14, 223, 2, 1},  {15, 253, 2, 1},  {16, 388, 1, 1},  {17, 402, 3, 1},  {18, 417, 2, 1},
    {19, 328, 2, 1},  {20, 343, 2, 1},  {21, 358, 2, 1},  {22, 373, 2, 1},  {23, 88, 2, 1},   {24, 193, 2, 1},
    {27, 268, 2, 1},  {28, 283, 2, 1},  {29, 298, 2, 1},  {30, 313, 2, 1},
};

// Register 189: PWM frequency, Hz, of code 0 to 14 (reading, 1000 Hz gives code 0 like any unlisted one).
constexpr int kPwmHz[] = {1000, 1500, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000, 8000, 10000, 12000, 14000, 16000};

// Register 215: DHS type -> code on reading; on writing, code 0 to 15 -> DHS type (-1: refused).
constexpr Pair kDhsCodes[] = {
    {1, 1},  {2, 12}, {3, 7},  {4, 2},   {5, 2},   {6, 6},   {7, 8},   {8, 9},  {9, 11},
    {10, 10}, {11, 3}, {12, 5}, {13, 4}, {15, 7}, {16, 13}, {18, 15}, {20, 6}, {23, 4},
};
constexpr int kDhsOfCode[] = {0, 1, 5, 11, 13, 12, 6, 3, 7, 8, 10, 9, 2, 16, -1, 18};

// Register 237: technological and start mode action parameters and their bits.
constexpr Pair kModeBits[] = {
    {499, 5}, {955, 6}, {494, 7}, {474, 20}, {455, 26}, {483, 27}, {464, 29}, {447, 30},
};

// Register 453: the first protection state that is set gives its code.
constexpr Pair kFirstTrip[] = {
    {44, 1},   {59, 2},   {74, 3},   {239, 4},  {209, 5},  {224, 6},  {179, 7},  {403, 8},  {418, 9},  {329, 10},
    {344, 11}, {359, 12}, {374, 13}, {968, 18}, {269, 19}, {284, 20}, {299, 21}, {314, 22}, {937, 23},
};

// Mode switches written as 0 or `on`: register, parameter.
struct Switch {
    quint16 address;
    quint16 id;
    float on;
};
constexpr Switch kSwitches[] = {
    {425, 178, 3}, {475, 474, 3}, {481, 455, 3}, {482, 483, 3}, {485, 447, 3},
    {561, 680, 2}, {562, 673, 2}, {563, 1020, 2},
};

// Register 560 switches every start mode off.
constexpr quint16 kStartModes[] = {673, 680, 691, 1020, 1012};

template <size_t N>
int lookup(const Pair (&table)[N], int key, int otherwise)
{
    for (const Pair& p : table) {
        if (p.from == key)
            return p.to;
    }
    return otherwise;
}

float flag(bool on) { return on ? 1.0f : 0.0f; }

} // namespace

ScadaValdrin::ScadaValdrin() = default;

ScadaValdrin::~ScadaValdrin() = default;

void ScadaValdrin::process()
{
    if (SpiDriver* spi = spiDriver()) {
        connect(this, &ScadaValdrin::signalScadaRequestCompressLog, spi, &SpiDriver::slotSpiRequestLogCompress);
        connect(spi, &SpiDriver::signalSpiResiveLogCompress, this, &ScadaValdrin::slotScadaResiveCompressLog,
                Qt::DirectConnection);
    }
    Scada::process();
}

void ScadaValdrin::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    auto code = [p](quint16 id) { return Common::toCode(p->get(id)); };
    auto set = [p](quint16 id) { return ScadaStationWords::isSet(p, id); };
    auto put = [this](quint16 address, quint32 v) { parameter(address)->value = static_cast<float>(v); };
    auto putRaw = [this](quint16 address, quint32 raw) { parameter(address)->value = Common::bitsFloat(raw); };
    // The date-time words of ScadaDateTime, `step` registers apart.
    auto putDate = [&put](quint16 first, quint16 step, quint32 seconds) {
        quint16 words[ScadaDateTime::kWords];
        ScadaDateTime::pack(seconds, words);
        for (int k = 0; k < ScadaDateTime::kWords; ++k)
            put(static_cast<quint16>(first + k * step), words[k]);
    };

    const bool running = ScadaStationWords::running(p);
    const quint32 block = code(633);
    const int reason = Common::toInt(p->get(535));
    const quint32 startMode = code(14);

    put(2, set(13));
    quint32 condition = running ? 1 : 4;
    if (block == 3)
        condition = 16;
    else if (block == 2)
        condition = 8;
    else if (block == 1)
        condition = running ? 2 : 4;
    put(3, condition);
    put(4, static_cast<quint32>(lookup(kStopCodes, reason, reason >= 1001 && reason <= 3999 ? 19 : 255)));
    put(5, code(15) == 1 || code(15) == 2);
    putDate(8, 2, p->getU32(534));

    quint32 word93 = 0;
    quint32 word415 = 0;
    for (const auto& prot : kProtections) {
        const quint32 action = code(prot.action);
        word93 |= prot.word93 != 0 && action == prot.word93 ? 1u << prot.bit : 0;
        word415 |= prot.word415 != 0 && action == prot.word415 ? 1u << prot.bit : 0;
    }
    putRaw(93, word93);

    int stopBit = lookup(kStopBits, reason, -1);
    if (reason == 106) {
        const quint32 fault = code(843);
        stopBit = fault == 2007 || fault == 2024 || fault == 3004 ? 25 : fault == 2057 ? 31 : 18;
    }
    putRaw(95, stopBit < 0 ? 0u : 1u << stopBit);
    put(97, reason == 1 ? 0 : reason == 24 ? 2 : reason == 28 ? 3 : 1);

    put(129, static_cast<quint32>(static_cast<qint64>(Common::toInt(p->get(570))) + 1));
    put(133, static_cast<quint32>(lookup(kPressureUnits, static_cast<int>(code(585)), 0)));
    put(135, code(586) == 1);
    put(137, code(587) == 0 ? 1 : code(587) == 1 ? 2 : 0);
    put(139, 0);
    put(147, 0);
    put(151, 0);
    put(163, code(782) == 1);

    const int pwm = Common::toInt(std::round(p->get(10228)));
    int pwmCode = 0;
    for (int c = 1; c < static_cast<int>(sizeof kPwmHz / sizeof kPwmHz[0]); ++c)
        pwmCode = kPwmHz[c] == pwm ? c : pwmCode;
    put(189, static_cast<quint32>(pwmCode));
    put(215, static_cast<quint32>(lookup(kDhsCodes, Common::toInt(p->get(39)), 0)));

    quint32 modes = 0;
    for (const Pair& m : kModeBits)
        modes |= p->get(static_cast<quint16>(m.from)) > 0.0f ? 1u << m.to : 0;
    putRaw(237, modes);
    put(271, startMode == 2 ? 2 : startMode == 3 ? 1 : startMode == 4 ? 3 : 0);
    putRaw(415, word415);
    put(425, set(178));
    putRaw(449, p->getU32(550));
    putRaw(451, p->getU32(886));

    int firstTrip = 0;
    for (const Pair& t : kFirstTrip) {
        if (set(static_cast<quint16>(t.from))) {
            firstTrip = t.to;
            break;
        }
    }
    put(453, static_cast<quint32>(firstTrip));
    put(475, set(474));
    put(481, set(455));
    put(482, set(483));
    put(485, set(447));
    put(560, startMode == 1);
    put(561, startMode == 3);
    put(562, startMode == 2);
    put(563, startMode == 4);
    putDate(913, 1, p->getU32(kClock));
    put(916, set(499));
    putRaw(992, p->getU32(532));
    putDate(994, 1, p->getU32(532));
}

int ScadaValdrin::setNewValue(ScadaParameter* param)
{
    if (param->paramId > 0) {
        setParameter(static_cast<quint16>(param->paramId), param->value, kEventScada);
        return 0;
    }
    if (param->paramId < 0)
        return 1;

    const quint16 address = param->address;
    const quint32 v = Common::toCode(param->value);
    for (const Switch& s : kSwitches) {
        if (s.address == address) {
            setParameter(s.id, v != 0 ? s.on : 0.0f, kEventScada);
            return 0;
        }
    }
    switch (address) {
    case 163:
        setParameter(782, flag(v != 0), kEventScada);
        return 0;
    case 189:
        if (v >= sizeof kPwmHz / sizeof kPwmHz[0])
            return 1;
        setParameter(10228, static_cast<float>(kPwmHz[v]), kEventScada);
        return 0;
    case 215:
        if (v >= sizeof kDhsOfCode / sizeof kDhsOfCode[0] || kDhsOfCode[v] < 0)
            return 1;
        setParameter(39, static_cast<float>(kDhsOfCode[v]), kEventScada);
        return 0;
    case 449:
    case 451:
        setParameter(address == 449 ? quint16(550) : quint16(886), Common::floatBits(param->value), kEventScada);
        return 0;
    case 560:
        for (quint16 id : kStartModes)
            setParameter(id, 0.0f, kEventScada);
        return 0;
    case 913:
    case 914:
    case 915: {
        // The other fields stay as the clock has them; a request that writes the whole clock sets it once.
        const Parameters* p = params();
        std::optional<quint32> date;
        if (!clockWrite_.take(913, address, param->value, p ? p->getU32(kClock) : 0, &date))
            return 1;
        if (date)
            setParameter(kClock, *date, kEventScada);
        return 0;
    }
    default:
        return 1;
    }
}

eMBErrorCode ScadaValdrin::writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    clockWrite_.beginRequest(address - 1, numRegs);
    return Scada::writeReg(buffer, address, numRegs);
}

eMBErrorCode ScadaValdrin::commandLog(uint8_t* buffer, uint16_t command, uint16_t* len)
{
    Parameters* p = params();
    switch (command) {
    case 1:
        // Compression under way.
        if (p && Common::toCode(p->get(kLogState)) == 1)
            return MB_ERR_IO;
        if (p)
            p->set(kLogCommand, 1, kEventOperator);
        buffer[0] = 0x00;
        buffer[1] = 0x01;
        *len = static_cast<uint16_t>(*len + 2);
        return MB_ERR_NONE;
    case 2:
        if (p) {
            p->set(kLogCommand, 0, kEventOperator);
            p->set(kLogSize, 0, kEventOperator);
        }
        return MB_ERR_NONE;
    default:
        return MB_ERR_PORT;
    }
}

eMBErrorCode ScadaValdrin::readLog(uint8_t* buffer, uint32_t address, uint16_t len)
{
    // The stack hands the request's address plus one.
    const qint32 offset = static_cast<qint32>(address - 1);
    const quint32 size = Common::toCode(params() ? params()->get(kLogSize) : 0.0f);
    if (offset < 0 || len == 0 || static_cast<quint64>(offset) + len > size)
        return MB_ERR_INVALID;

    clearLogBuffers();
    emit signalScadaRequestCompressLog(compressLogHeader(static_cast<quint32>(offset), len));

    // Only the reply to this slice is taken; a late reply to an earlier slice, or one that the service
    // tool asked for, is dropped and the wait goes on.
    QByteArray data;
    const bool replied = waitForController([&] {
        quint32 from = 0;
        QByteArray log;
        while (takeLogReply(&from, &log)) {
            if (from == static_cast<quint32>(offset) && log.size() >= len) {
                data = log;
                return true;
            }
        }
        return false;
    });
    if (!replied)
        return MB_ERR_INVALID;
    std::memcpy(buffer, data.constData(), len);
    return MB_ERR_NONE;
}

void ScadaValdrin::slotScadaResiveCompressLog(QByteArray header, QByteArray log)
{
    slotScadaResiveCompressLogRN(header, log);
}
