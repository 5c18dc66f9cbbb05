#include "ui/uiclock.h"

#include <QElapsedTimer>

namespace {

constexpr int kRefreshBase = 400;
constexpr int kRefreshStep = 20;
constexpr int kMessageTimeout = 300000;
constexpr int kProgressPeriod = 250;
// Copying the archives to a stick or erasing the flash takes minutes on the controller.
constexpr int kArchiveTimeout = 15 * 60 * 1000;
// The controller reports the values changed by one write within a few link polls.
constexpr int kRebuildDelay = 50;
constexpr int kResetWait = 10000;
constexpr int kUnitRefresh = 400;

std::function<qint64()>& clockFn()
{
    static std::function<qint64()> fn;
    return fn;
}

int refreshBase = kRefreshBase;
int refreshStep = kRefreshStep;
int messageTimeout = kMessageTimeout;
int progressPeriod = kProgressPeriod;
int archiveTimeout = kArchiveTimeout;
int rebuildDelay = kRebuildDelay;
int resetWait = kResetWait;
int unitRefresh = kUnitRefresh;

} // namespace

qint64 UiClock::nowMs()
{
    if (clockFn())
        return clockFn()();
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

void UiClock::setClock(std::function<qint64()> clock)
{
    clockFn() = std::move(clock);
}

int UiClock::refreshDelay(int r)
{
    return refreshBase + refreshStep * r;
}

void UiClock::setRefreshDelay(int base, int step)
{
    refreshBase = qMax(0, base);
    refreshStep = qMax(0, step);
}

int UiClock::messageTimeoutMs()
{
    return messageTimeout;
}

void UiClock::setMessageTimeoutMs(int ms)
{
    messageTimeout = qMax(0, ms);
}

int UiClock::progressTextPeriodMs()
{
    return progressPeriod;
}

void UiClock::setProgressTextPeriodMs(int ms)
{
    progressPeriod = qMax(1, ms);
}

int UiClock::archiveTimeoutMs()
{
    return archiveTimeout;
}

void UiClock::setArchiveTimeoutMs(int ms)
{
    archiveTimeout = qMax(0, ms);
}

void UiClock::reset()
{
    clockFn() = nullptr;
    refreshBase = kRefreshBase;
    refreshStep = kRefreshStep;
    messageTimeout = kMessageTimeout;
    progressPeriod = kProgressPeriod;
    archiveTimeout = kArchiveTimeout;
    rebuildDelay = kRebuildDelay;
    resetWait = kResetWait;
    unitRefresh = kUnitRefresh;
}

int UiClock::rebuildDelayMs()
{
    return rebuildDelay;
}

void UiClock::setRebuildDelayMs(int ms)
{
    rebuildDelay = qMax(0, ms);
}

int UiClock::resetWaitMs()
{
    return resetWait;
}

void UiClock::setResetWaitMs(int ms)
{
    resetWait = qMax(0, ms);
}

int UiClock::unitRefreshMs()
{
    return unitRefresh;
}

void UiClock::setUnitRefreshMs(int ms)
{
    unitRefresh = qMax(0, ms);
}
