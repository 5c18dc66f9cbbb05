#include "scada/scada_vuduzu2000.h"

#include "app/parameters.h"
#include "scada/scadafactory.h"
#include "scada/scadastationwords.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(3, ScadaVuduzu2000)

namespace {

// Stop reasons of parameter 535 and their register 256 codes; any other reason gives 255.
const struct {
    int reason;
    quint16 code;
} kStopReasons[] = {
    {0, 0}, {1, 14}, {2, 8}, {3, 5}, {4, 4}, {5, 2}, {6, 1}, {9, 13}, {12, 9},
    {13, 7}, {20, 6}, {21, 3}, {24, 15}, {28, 21}, {30, 12}, {106, 23},
};

// Protections whose trip sets bit 15 of the status word.
const quint16 kOtherTrips[] = {89, 119, 134, 149, 164, 194, 254, 344, 359, 374,
                               418, 433, 269, 284, 299, 314, 389, 919, 937, 875};

} // namespace

ScadaVuduzu2000::ScadaVuduzu2000() = default;

ScadaVuduzu2000::~ScadaVuduzu2000() = default;

void ScadaVuduzu2000::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    auto code = [p](quint16 id) { return Common::toCode(p->get(id)); };
    auto set = [p](quint16 id) { return ScadaStationWords::isSet(p, id); };

    const bool running = ScadaStationWords::running(p);

    quint32 stopReason = 0;
    if (!running) {
        const int reason = Common::toInt(p->get(535));
        stopReason = 255;
        for (const auto& r : kStopReasons) {
            if (r.reason == reason) {
                stopReason = r.code;
                break;
            }
        }
    }
    parameter(256)->value = static_cast<float>(stopReason);

    const quint32 mode = code(15);
    quint32 status = 0;
    status |= running ? 1u << 0 : 0;
    status |= code(633) == 3 ? 1u << 1 : 0;
    status |= p->get(401) > 3.0f ? 1u << 2 : 0;
    status |= (mode == 1 || mode == 2) ? 1u << 3 : 0;
    status |= mode == 0 ? 1u << 4 : 0;
    status |= set(44) ? 1u << 5 : 0;
    status |= set(59) ? 1u << 6 : 0;
    status |= set(74) ? 1u << 7 : 0;
    status |= set(209) ? 1u << 8 : 0;
    status |= set(239) ? 1u << 9 : 0;
    status |= set(224) ? 1u << 10 : 0;
    status |= set(329) ? 1u << 11 : 0;
    status |= set(403) ? 1u << 12 : 0;
    status |= set(179) ? 1u << 13 : 0;
    status |= set(104) ? 1u << 14 : 0;
    for (quint16 id : kOtherTrips) {
        if (set(id)) {
            status |= 1u << 15;
            break;
        }
    }
    parameter(257)->value = static_cast<float>(status);
}

int ScadaVuduzu2000::setNewValue(ScadaParameter* param)
{
    if (param->paramId <= 0)
        return 1;
    setParameter(static_cast<quint16>(param->paramId), param->value, 3);
    return 0;
}
