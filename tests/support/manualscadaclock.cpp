#include "support/manualscadaclock.h"

qint64 ManualScadaClock::nowMs()
{
    QMutexLocker locker(&lock_);
    return now_;
}

void ManualScadaClock::sleepMs(int ms)
{
    runUntil(nowMs() + ms, false);
}

void ManualScadaClock::repeat(QObject* owner, int periodMs, std::function<bool()> tick)
{
    QMutexLocker locker(&lock_);
    timers_.append({nextTimerId_++, owner, qMax(1, periodMs), now_ + qMax(1, periodMs), std::move(tick)});
}

void ManualScadaClock::at(qint64 afterMs, std::function<void()> action)
{
    QMutexLocker locker(&lock_);
    actions_.append({now_ + afterMs, std::move(action)});
}

void ManualScadaClock::advance(qint64 ms)
{
    runUntil(nowMs() + ms, true);
}

QVector<int> ManualScadaClock::periods()
{
    QMutexLocker locker(&lock_);
    QVector<int> out;
    for (const Timer& t : timers_) {
        if (t.owner)
            out.append(t.period);
    }
    return out;
}

void ManualScadaClock::runUntil(qint64 until, bool withTimers)
{
    // Each pass runs the earliest due item outside the lock; time only moves forward, so the loop ends.
    for (;;) {
        std::function<void()> run;
        {
            QMutexLocker locker(&lock_);
            int action = -1;
            int timer = -1;
            qint64 due = until + 1;
            for (int i = 0; i < actions_.size(); ++i) {
                if (actions_[i].due < due) {
                    due = actions_[i].due;
                    action = i;
                }
            }
            for (int i = 0; withTimers && i < timers_.size(); ++i) {
                if (!timers_[i].owner) {
                    timers_.remove(i--);
                    continue;
                }
                if (timers_[i].next < due) {
                    due = timers_[i].next;
                    timer = i;
                    action = -1;
                }
            }
            if (action < 0 && timer < 0) {
                now_ = qMax(now_, until);
                return;
            }
            now_ = qMax(now_, due);
            if (action >= 0) {
                run = std::move(actions_[action].run);
                actions_.remove(action);
            } else {
                Timer& t = timers_[timer];
                // A tick that comes late is merged: the next one is a period after now.
                t.next = qMax(t.next + t.period, now_ + 1);
                const int id = t.id;
                const std::function<bool()> tick = t.tick;
                const QPointer<QObject> owner = t.owner;
                run = [this, id, tick, owner] {
                    if (owner && !tick())
                        stop(id);
                };
            }
        }
        run();
    }
}

void ManualScadaClock::stop(int timerId)
{
    QMutexLocker locker(&lock_);
    for (int i = 0; i < timers_.size(); ++i) {
        if (timers_[i].id == timerId)
            timers_.remove(i--);
    }
}
