#include "scada/scada_region_3_0.h"

#include <cstdlib>
#include <cmath>

#include "app/parameters.h"
#include "scada/scadafactory.h"
#include "scada/scadastationwords.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(2, ScadaZevovo30)
RVK_REGISTER_SCADA(8, ScadaZevovo30)
RVK_REGISTER_SCADA(12, ScadaZevovo30)

namespace {

constexpr quint16 kStatus = 256;
constexpr quint16 kLastStop = 260;
constexpr quint16 kDhsCode = 301;
// The station clock, twice.
constexpr quint16 kClocks[] = {346, 634};
constexpr quint16 kTurbineAction = 578;
constexpr quint16 kDoorAction = 591;
constexpr quint16 kMaintenanceMode = 598;
constexpr quint16 kMaintainedValue = 601;
constexpr quint16 kPhaseAction = 619;
constexpr quint16 kFrequencyRate = 643;

// The master's code of each DHS type 1-23 (p39); 0 for every other type.
constexpr quint32 kDhsCodes[] = {9, 2, 3, 1, 1, 12, 6, 11, 9, 13, 13, 10, 4, 0, 3, 0, 0, 0, 0, 0, 0, 0, 4};

// The maintained quantity (p475) and the parameter that holds its maintained value.
const struct {
    quint32 quantity;
    quint16 valueId;
} kMaintained[] = {{0, 477}, {1, 688}, {2, 689}, {9, 1481}};

quint32 code(const Parameters* p, quint16 id) { return Common::toCode(p->get(id)); }

quint16 maintainedValueId(const Parameters* p)
{
    const quint32 quantity = code(p, 475) & 0xFFFF;
    for (const auto& m : kMaintained) {
        if (m.quantity == quantity)
            return m.valueId;
    }
    return 0;
}

// Start minus end frequency (p465 - p466) as a whole number, without its sign.
float frequencySpan(const Parameters* p)
{
    return static_cast<float>(std::llabs(static_cast<long long>(Common::toInt(p->get(465) - p->get(466)))));
}

} // namespace

ScadaZevovo30::ScadaZevovo30() = default;

ScadaZevovo30::~ScadaZevovo30() = default;

void ScadaZevovo30::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    quint32 status = ScadaStationWords::status(p);
    status |= ScadaStationWords::isSet(p, 703) && ScadaStationWords::isSet(p, 39) ? 1u << 6 : 0;
    status |= ScadaStationWords::isSet(p, 704) && ScadaStationWords::isSet(p, 705) ? 1u << 7 : 0;
    parameter(kStatus)->value = static_cast<float>(status);
    quint32 trips = 0;
    quint32 other = 0;
    ScadaStationWords::trips(p, {89, 119, 134, 149, 164, 194, 209, 224, 254, 329, 344, 359, 374, 418, 433, 389,
                                 919, 937, 875},
                             &trips, &other);
    parameter(kStatus + 1)->value = static_cast<float>(trips);
    parameter(kStatus + 2)->value = static_cast<float>(other);
    parameter(kStatus + 3)->value = static_cast<float>(ScadaStationWords::stopReason(Common::toInt(p->get(535))));
    ScadaDateTime::fill(*this, kLastStop, p->getU32(534));

    const qint32 dhs = Common::toInt(p->get(39));
    parameter(kDhsCode)->value = dhs >= 1 && dhs <= 23 ? static_cast<float>(kDhsCodes[dhs - 1]) : 0.0f;
    for (quint16 first : kClocks)
        ScadaDateTime::fill(*this, first, p->getU32(562));

    parameter(kTurbineAction)->value = p->get(178) > 0.0f ? 1.0f : 0.0f;
    parameter(kDoorAction)->value = p->get(402) > 0.0f ? 1.0f : 0.0f;

    const bool maintaining = code(p, 474) != 0;
    quint32 mode = 0;
    if (maintaining) {
        switch (code(p, 475) & 0xFFFF) {
        case 0: mode = 1; break;
        case 1: mode = 2; break;
        case 2: mode = Common::toInt(p->get(1215)) == 1 ? 4 : 6; break;
        case 9: mode = 11; break;
        default: break;
        }
    }
    parameter(kMaintenanceMode)->value = static_cast<float>(mode);
    const quint16 valueId = maintaining ? maintainedValueId(p) : 0;
    parameter(kMaintainedValue)->value = valueId ? p->get(valueId) : 0.0f;

    parameter(kPhaseAction)->value = p->get(103) > 0.0f ? 1.0f : 0.0f;

    // No period (p467 of 0) gives no rate: the register reads 0.
    const float rate = frequencySpan(p) / p->get(467);
    parameter(kFrequencyRate)->value = std::isfinite(rate) ? rate : 0.0f;
}

eMBErrorCode ScadaZevovo30::writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    clockWrite_.beginRequest(address - 1, numRegs);
    return Scada::writeReg(buffer, address, numRegs);
}

int ScadaZevovo30::setNewValue(ScadaParameter* param)
{
    if (param->paramId > 0) {
        setParameter(static_cast<quint16>(param->paramId), param->value, 3);
        return 0;
    }
    const Parameters* p = params();
    if (!p || param->paramId < 0)
        return 1;
    const quint16 address = param->address;
    const float value = param->value;
    for (quint16 first : kClocks) {
        if (address >= first && address < first + ScadaDateTime::kWords) {
            std::optional<quint32> date;
            if (!clockWrite_.take(first, address, value, p->getU32(562), &date))
                return 1;
            if (date)
                setParameter(562, *date, 3);
            return 0;
        }
    }
    switch (address) {
    case kTurbineAction:
    case kDoorAction:
    case kPhaseAction: {
        const quint16 id = address == kTurbineAction ? 178 : address == kDoorAction ? 402 : 103;
        setParameter(id, value > 0.0f ? 3.0f : 0.0f, 1);
        return 0;
    }
    case kMaintenanceMode: {
        if (value == 0.0f) {
            setParameter(474, 0.0f, 3);
            return 0;
        }
        const quint32 mode = Common::toCode(value) & 0xFFFF;
        if (mode == 1) {
            setParameter(475, 0.0f, 3);
        } else if (mode == 2 || mode == 3) {
            setParameter(475, 1.0f, 3);
        } else if (mode >= 4 && mode <= 6) {
            setParameter(475, 2.0f, 3);
            setParameter(1215, mode == 6 ? 0.0f : 1.0f, 3);
        } else if (mode == 11) {
            setParameter(475, 9.0f, 3);
        } else {
            return 1;
        }
        setParameter(474, 3.0f, 3);
        return 0;
    }
    case kMaintainedValue: {
        const quint16 id = maintainedValueId(p);
        if (!id)
            return 1;
        setParameter(id, value, 1);
        return 0;
    }
    case kFrequencyRate:
        setParameter(467, frequencySpan(p) / value, 3);
        return 0;
    default:
        return 1;
    }
}
