#include "link/linkclock.h"

LinkClock::LinkClock(qint64 startMs, QObject* parent)
    : QObject(parent), now_(startMs), done_(startMs), target_(startMs)
{
}

void LinkClock::advance(qint64 ms)
{
    target_ += qMax<qint64>(0, ms);
    emit signalAdvanced();
}

void LinkClock::runningAt(qint64 ms)
{
    now_.store(ms);
}

void LinkClock::ranTo(qint64 ms)
{
    now_.store(ms);
    done_.store(ms);
    if (ms >= target_.load())
        emit signalCaughtUp();
}
