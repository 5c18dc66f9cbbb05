#pragma once

#include <QMutex>
#include <QPointer>
#include <QVector>

#include <functional>

#include "scada/scadaclock.h"

// A register-worker clock that the test moves on: nothing waits in real time.
//   ManualScadaClock clock;
//   map.setClock(&clock);
//   clock.at(30, [&] { map.slotScadaResiveCompressLogRN(header, data); });  // the controller, 30 ms later
//   map.readFileRecord(...);   // its wait sleeps on the clock: the answer lands at 30 ms
//   clock.advance(100);        // timer ticks due within 100 ms run, in time order
// Timer ticks run only in advance(): a callback that waits blocks its own thread's timers, as on the board.
class ManualScadaClock : public ScadaClock
{
public:
    qint64 nowMs() override;
    void sleepMs(int ms) override;
    void repeat(QObject* owner, int periodMs, std::function<bool()> tick) override;

    // Runs `action` when the clock has moved `afterMs` on from now.
    void at(qint64 afterMs, std::function<void()> action);
    void advance(qint64 ms);
    // Periods of the timers that still run, in the order they were started.
    QVector<int> periods();

private:
    struct Timer {
        int id;
        QPointer<QObject> owner;
        int period;
        qint64 next;
        std::function<bool()> tick;
    };
    struct Action {
        qint64 due;
        std::function<void()> run;
    };
    // Moves to `until`, running what falls due on the way; timers only when `withTimers`.
    void runUntil(qint64 until, bool withTimers);
    void stop(int timerId);

    QMutex lock_;
    qint64 now_ = 0;
    int nextTimerId_ = 0;
    QVector<Timer> timers_;
    QVector<Action> actions_;
};
