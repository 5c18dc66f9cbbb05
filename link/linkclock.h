#pragma once

#include <QObject>

#include <atomic>

// A clock that a test moves by hand, in place of the SPI driver's timers. After advance() the driver runs,
// on its own thread and in order, every poll that falls due up to the new time; while it runs, now() is the
// time of the poll in hand, so the simulated controller behind the link sees the same time. Nothing waits in
// real time. Without one the driver polls on timers of the real clock.
class LinkClock : public QObject
{
    Q_OBJECT
public:
    explicit LinkClock(qint64 startMs = 0, QObject* parent = nullptr);

    // Milliseconds: the time of the poll in hand, or of the last one run.
    qint64 nowMs() const { return now_.load(); }
    // The time the driver is to run up to.
    qint64 targetMs() const { return target_.load(); }
    // Every poll due up to the target has run.
    bool caughtUp() const { return done_.load() >= target_.load(); }

    // Any thread. Moves the target on and tells the driver.
    void advance(qint64 ms);

    // The driver's side: the poll at `ms` is running; every poll due up to `ms` has run (with no driver,
    // the test passes the time itself).
    void runningAt(qint64 ms);
    void ranTo(qint64 ms);

signals:
    void signalAdvanced();
    void signalCaughtUp();

private:
    std::atomic<qint64> now_;
    std::atomic<qint64> done_;
    std::atomic<qint64> target_;
};
