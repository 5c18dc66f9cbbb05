#pragma once

#include <QtGlobal>

#include <functional>

// Time and delays of the screen framework, replaceable by tests.
class UiClock
{
public:
    // Milliseconds of a monotonic clock.
    static qint64 nowMs();
    // Tests install a clock of their own; an empty function restores the real one.
    static void setClock(std::function<qint64()> clock);

    // Delay of a row refresh after an update of its parameter: base + step * r, r in 0..9.
    static int refreshDelay(int r);
    static void setRefreshDelay(int base, int step);

    // Time after which an unanswered message is rejected.
    static int messageTimeoutMs();
    static void setMessageTimeoutMs(int ms);

    // Period of the elapsed-time text of the progress dialog.
    static int progressTextPeriodMs();
    static void setProgressTextPeriodMs(int ms);

    // Time after which the progress dialog of an archive command gives up waiting for its end.
    static int archiveTimeoutMs();
    static void setArchiveTimeoutMs(int ms);

    // Time a self-rebuilding screen gathers a burst of updates before it rebuilds once.
    static int rebuildDelayMs();
    static void setRebuildDelayMs(int ms);

    // How long the wait dialog stays after the drive's setpoints were reset to their defaults.
    static int resetWaitMs();
    static void setResetWaitMs(int ms);

    // Time an analog-input page gathers changes of its quantity and unit before it relabels its rows.
    static int unitRefreshMs();
    static void setUnitRefreshMs(int ms);

    // Restores every default.
    static void reset();
};
