#pragma once

#include <QtGlobal>

#include <functional>

class QObject;

// Time of the register worker: its table refresh and engine poll, and the waits of a register callback
// for the main controller. This one runs Qt timers and sleeps; tests derive a clock that they advance.
class ScadaClock
{
public:
    virtual ~ScadaClock();

    static ScadaClock* system();

    // Milliseconds of a monotonic clock.
    virtual qint64 nowMs();
    // One pause of a wait for the main controller.
    virtual void sleepMs(int ms);
    // Calls `tick` every `periodMs` on `owner`'s thread until it returns false or `owner` is deleted;
    // a late tick is merged into the next, never queued twice.
    virtual void repeat(QObject* owner, int periodMs, std::function<bool()> tick);
};
