#include "scada/scadaloglimit.h"

bool ScadaLogLimit::admit(qint64 nowMs, QString* note)
{
    if (written_ && nowMs - lastMs_ < kPeriodMs) {
        ++held_;
        return false;
    }
    *note = held_ > 0 ? QStringLiteral(" (%1 more not logged)").arg(held_) : QString();
    written_ = true;
    lastMs_ = nowMs;
    held_ = 0;
    return true;
}
