#include "scada/scada_dovedera.h"

#include "app/parameters.h"
#include "scada/scadafactory.h"
#include "scada/scadastationwords.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(4, ScadaDovedera)

namespace {

constexpr quint16 kStatus = 40000;
constexpr quint16 kLastStop = 40004;
constexpr quint16 kClock = 30075;

} // namespace

ScadaDovedera::ScadaDovedera() = default;

ScadaDovedera::~ScadaDovedera() = default;

void ScadaDovedera::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    parameter(kStatus)->value = static_cast<float>(ScadaStationWords::status(p));
    quint32 trips = 0;
    quint32 other = 0;
    ScadaStationWords::trips(p, {89, 119, 134, 149, 164, 194, 209, 224, 254, 329, 344, 359, 374, 418, 433}, &trips,
                             &other);
    parameter(kStatus + 1)->value = static_cast<float>(trips);
    parameter(kStatus + 2)->value = static_cast<float>(other);
    const quint32 reason =
        ScadaStationWords::running(p) ? 0 : ScadaStationWords::stopReason(Common::toInt(p->get(535)));
    parameter(kStatus + 3)->value = static_cast<float>(reason);
    ScadaDateTime::fill(*this, kLastStop, p->getU32(534));
    ScadaDateTime::fill(*this, kClock, p->getU32(562));
}

eMBErrorCode ScadaDovedera::writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    clockWrite_.beginRequest(address - 1, numRegs);
    return Scada::writeReg(buffer, address, numRegs);
}

int ScadaDovedera::setNewValue(ScadaParameter* param)
{
    if (param->paramId >= 1) {
        setParameter(static_cast<quint16>(param->paramId), param->value, 3);
        return 0;
    }
    const Parameters* p = params();
    if (p && param->address >= kClock && param->address < kClock + ScadaDateTime::kWords) {
        std::optional<quint32> date;
        if (!clockWrite_.take(kClock, param->address, param->value, p->getU32(562), &date))
            return 1;
        if (date)
            setParameter(562, *date, 3);
        return 0;
    }
    return 1;
}
