#include "scada/scadastationwords.h"

#include "app/parameters.h"
#include "texts/common.h"

namespace {

const struct {
    qint32 reason;
    quint32 code;
} kStopReasons[] = {
    {0, 0}, {1, 12}, {2, 7}, {3, 5}, {4, 4}, {5, 2}, {6, 1}, {9, 8}, {12, 9}, {20, 6},
    {21, 3}, {24, 13}, {26, 34}, {27, 35}, {28, 14}, {41, 23}, {42, 24}, {104, 10}, {106, 45},
};

quint32 code(const Parameters* p, quint16 id) { return Common::toCode(p->get(id)); }

} // namespace

bool ScadaStationWords::isSet(const Parameters* p, quint16 id)
{
    return !(p->get(id) == 0.0f);
}

bool ScadaStationWords::running(const Parameters* p)
{
    const quint32 state = code(p, 13);
    return state == 2 || state == 3;
}

quint32 ScadaStationWords::status(const Parameters* p)
{
    const quint32 mode = code(p, 15);
    quint32 status = 0;
    status |= running(p) ? 1u << 0 : 0;
    status |= code(p, 633) == 3 ? 1u << 1 : 0;
    status |= code(p, 401) > 3 ? 1u << 2 : 0;
    status |= (mode == 1 || mode == 2) ? 1u << 4 : 0;
    status |= mode == 0 ? 1u << 5 : 0;
    return status;
}

void ScadaStationWords::trips(const Parameters* p, std::initializer_list<quint16> others, quint32* bits,
                              quint32* other)
{
    *bits = 0;
    *other = 0;
    if (code(p, 635) == 0)
        return;
    const struct {
        quint16 id;
        int bit;
    } kTripBits[] = {{44, 0}, {59, 1}, {74, 2}, {239, 3}, {403, 5}, {179, 6}, {104, 7}};
    for (const auto& t : kTripBits)
        *bits |= isSet(p, t.id) ? 1u << t.bit : 0;
    bool any = *bits == 0;
    for (quint16 id : others)
        any = any || isSet(p, id);
    *other = any ? 32768 : 0;
}

quint32 ScadaStationWords::stopReason(qint32 reason)
{
    for (const auto& r : kStopReasons) {
        if (r.reason == reason)
            return r.code;
    }
    return 46;
}
