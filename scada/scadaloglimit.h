#pragma once

#include <QString>
#include <QtGlobal>

// Keeps one kind of log line to one a period (a master that reconnects in a loop must not fill the
// board's log): a line that comes sooner is only counted, and the count goes with the next line written.
class ScadaLogLimit
{
public:
    static constexpr qint64 kPeriodMs = 60000;

    // True when the line may be written at `nowMs`; `note` then receives the count of the lines kept back
    // since the last one written (empty when there were none), to be appended to the line.
    bool admit(qint64 nowMs, QString* note);

private:
    bool written_ = false;
    qint64 lastMs_ = 0;
    int held_ = 0;
};
