#include "scada/scada_ri_zovo.h"

#include <cmath>

#include "app/parameters.h"
#include "scada/scadafactory.h"
#include "scada/scadastationwords.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(9, ScadaRiZovo)

namespace {

constexpr quint16 kStopCurrent = 705;

// The protections of analog inputs 1-4: the stop setpoints in percent of the input's scale and the
// protection actions, minimum then maximum.
const struct {
    quint16 minPercent, minSource, scaleMin, scaleMax, minAction, minActionId;
    quint16 maxPercent, maxSource, maxAction, maxActionId;
} kInputs[] = {
    {783, 275, 824, 825, 784, 268, 787, 277, 788, 2113},
    {791, 290, 828, 829, 792, 283, 795, 292, 796, 2114},
    {799, 305, 832, 833, 800, 298, 803, 307, 804, 2115},
    {807, 320, 836, 837, 808, 313, 811, 322, 812, 2116},
};

// A time in seconds as days, hours and minutes in the registers first + 2, first + 1 and first.
void splitTime(Scada& map, quint16 first, qint32 seconds)
{
    const qint32 rest = seconds % 86400;
    map.parameter(first + 2)->value = static_cast<float>(seconds / 86400);
    map.parameter(first + 1)->value = static_cast<float>(rest / 3600);
    map.parameter(first)->value = static_cast<float>(rest % 3600 / 60);
}

float flag(bool on) { return on ? 1.0f : 0.0f; }

} // namespace

ScadaRiZovo::ScadaRiZovo() = default;

ScadaRiZovo::~ScadaRiZovo() = default;

unsigned short ScadaRiZovo::getCodeAIAction(unsigned short id) const
{
    const quint32 action = Common::toCode(params() ? params()->get(id) : 0.0f) & 0xFFFF;
    if (action == 2)
        return 3;
    if (action == 1 || action == 3)
        return 2;
    return static_cast<unsigned short>(action);
}

int ScadaRiZovo::setCodeTripAction(unsigned short id, float code)
{
    const quint32 c = Common::toCode(code) & 0xFFFF;
    if (c > 3)
        return 1;
    setParameter(id, static_cast<float>(c > 2 ? 2 : c), 3);
    return 0;
}

void ScadaRiZovo::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    auto set = [p](quint16 id) { return ScadaStationWords::isSet(p, id); };
    parameter(412)->value = flag(Common::toCode(p->get(633)) == 3);
    parameter(413)->value = flag(set(13));
    // Both bits report digital input 1.
    parameter(2080)->value = set(24) ? 3.0f : 0.0f;
    splitTime(*this, 2092, Common::toInt(p->get(529)));
    splitTime(*this, 2104, Common::toInt(p->get(526)));
    parameter(kStopCurrent)->value =
        static_cast<float>(Common::toCode(p->get(155) / 100.0f * p->get(10017)) & 0xFFFF);
    parameter(741)->value = flag(!set(15) && !set(2087));
    for (const auto& in : kInputs) {
        const float lo = p->get(in.scaleMin);
        const float hi = p->get(in.scaleMax);
        parameter(in.minPercent)->value = Common::calcValueToPercent(p->get(in.minSource), lo, hi);
        parameter(in.maxPercent)->value = Common::calcValueToPercent(p->get(in.maxSource), lo, hi);
        parameter(in.minAction)->value = getCodeAIAction(in.minActionId);
        parameter(in.maxAction)->value = getCodeAIAction(in.maxActionId);
    }
    parameter(826)->value = flag(set(823) && set(822));
}

int ScadaRiZovo::setNewValue(ScadaParameter* param)
{
    if (param->paramId < 0)
        return 1;
    if (param->paramId > 0) {
        setParameter(static_cast<quint16>(param->paramId), param->value, 3);
        return 0;
    }
    const Parameters* p = params();
    if (!p)
        return 1;
    const quint16 address = param->address;
    const float value = param->value;
    if (address == kStopCurrent) {
        // Without a rated current (p10017 of 0) there is no setpoint in percent to write.
        const float percent = value * 100.0f / p->get(10017);
        if (!std::isfinite(percent))
            return 1;
        setParameter(155, percent, 3);
        return 0;
    }
    for (const auto& in : kInputs) {
        if (address == in.minPercent || address == in.maxPercent) {
            const quint16 source = address == in.minPercent ? in.minSource : in.maxSource;
            setParameter(source, Common::calcPercentToValue(value, p->get(in.scaleMin), p->get(in.scaleMax)), 3);
            return 0;
        }
        if (address == in.minAction || address == in.maxAction)
            return setCodeTripAction(address == in.minAction ? in.minActionId : in.maxActionId, value);
    }
    // Any other row keeps what the master wrote.
    return 0;
}
