#pragma once

#include <QtGlobal>

#include <initializer_list>

class Parameters;

// Status, trip and stop-reason registers that the Dovedera and Zevovo30 maps share, and the station state
// that other maps read the same way.
class ScadaStationWords
{
public:
    // NaN counts as set: only a true zero is clear.
    static bool isSet(const Parameters* p, quint16 id);
    // Bits 0 running, 1 blocked, 2 p401 above 3, 4 manual or automatic mode, 5 mode 0.
    static quint32 status(const Parameters* p);
    // The trip bits and the word of the trips without a bit of their own: 32768 when one of `others` is set
    // or none of the trip bits is; both 0 while p635 is 0.
    static void trips(const Parameters* p, std::initializer_list<quint16> others, quint32* bits, quint32* other);
    // The master's code of a stop reason (p535): 46 for a reason that has no code of its own.
    static quint32 stopReason(qint32 reason);
    static bool running(const Parameters* p);
};
