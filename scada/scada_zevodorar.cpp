#include "scada/scada_zevodorar.h"

#include "app/parameters.h"
#include "scada/scadafactory.h"
#include "texts/common.h"

RVK_REGISTER_SCADA(6, ScadaZevodorar)

namespace {

// Stop reasons of parameter 535 and their codes in register 290; 106 depends on the drive fault
// code, any other reason gives 0.
const struct {
    int reason;
    quint32 code;
} kStopReasons[] = {
    {1, 36}, {2, 17}, {3, 5}, {4, 4}, {5, 2}, {6, 1}, {9, 29}, {12, 30}, {13, 12},
    {14, 11}, {16, 10}, {20, 6}, {21, 3}, {24, 35}, {26, 27}, {27, 27}, {28, 40}, {30, 34},
    {41, 27}, {42, 27}, {100, 27}, {101, 27}, {102, 27}, {103, 27}, {104, 7}, {111, 8}, {114, 37},
};

// Drive faults for which stop reason 106 reads as a drive trip (17) rather than 18.
const int kDriveTripFaults[] = {1106, 1107, 1108, 1110, 1111, 3009, 3010};

// Stop reasons after which register 291 takes parameter 1011.
const int kLatchedReasons[] = {3, 4, 5, 6, 13, 14, 16, 20, 21, 104};

template <typename T, size_t N>
bool contains(const T (&list)[N], int v)
{
    for (const T& x : list) {
        if (x == v)
            return true;
    }
    return false;
}

} // namespace

ScadaZevodorar::ScadaZevodorar() = default;

ScadaZevodorar::~ScadaZevodorar() = default;

void ScadaZevodorar::calcParams()
{
    const Parameters* p = params();
    if (!p)
        return;
    auto raw = [this](quint16 address, quint32 word) { parameter(address)->value = Common::bitsFloat(word); };
    const float state = p->get(13);
    const float block = p->get(633);
    const float start = p->get(533);
    const int reason = Common::toInt(p->get(535));

    const quint32 startClass = (start == 1.0f || start == 3.0f) ? 1 : start == 4.0f ? 2 : 0;

    quint32 mode = 2;
    if (state == 0.0f)
        mode = 1;
    else if (!(p->get(447) == 0.0f) && p->get(15) == 2.0f)
        mode = 3;
    raw(277, startClass | mode << 8);

    quint32 status = 176;
    if (!(p->get(179) == 0.0f))
        status = 199;
    else if (block == 3.0f)
        status = 192;
    else if (block == 1.0f)
        status = 196;
    else if (!(state == 0.0f))
        status = start == 3.0f ? 204 : 197;
    raw(256, status);
    raw(289, status);

    quint32 stopCode = 0;
    if (reason == 106) {
        stopCode = contains(kDriveTripFaults, Common::toInt(p->get(843))) ? 17 : 18;
    } else {
        for (const auto& r : kStopReasons) {
            if (r.reason == reason) {
                stopCode = r.code;
                break;
            }
        }
    }
    raw(290, stopCode | startClass << 8);

    // Keeps its last value while the stop reason is outside the list.
    if (contains(kLatchedReasons, reason))
        parameter(291)->value = p->get(1011);

    const quint32 total = Common::toCode(p->get(526));
    raw(295, total & 0xFFFF);
    raw(296, total >> 16);
    const quint32 seconds = Common::toCode(p->get(20010) * 3600.0f);
    raw(298, seconds & 0xFFFF);
    raw(299, seconds >> 16);
}

int ScadaZevodorar::setNewValue(ScadaParameter* param)
{
    if (param->paramId < 1)
        return 1;
    setParameter(static_cast<quint16>(param->paramId), param->value, 3);
    return 0;
}
