#pragma once

// A station on the simulated main controller, for tests that need the live link.
//
//   SimStation station;                       // optionally SimStation station("578=3;13=0");
//   QVERIFY(station.start());                 // database, mirror, event store, SPI driver; waits for the sync
//   station.params()->set(578, 3.0f);         // goes over the link
//   QVERIFY(SimStation::waitForValue(578, 3.0f));
//   station.sim()->setValue(13, 2.0f);        // the controller changes a value on its own
//   station.sim()->dropReplies(3);            // faults: lost replies, corrupted replies, restart
//   station.sim()->corruptReplies(2);
//   station.sim()->restart();
//   station.stop();                           // the SPI thread ends; start() may run again
//
//   SimStation fast(QString(), SimStation::Clock::Manual);
//   fast.start();                             // the link and the controller run on a clock of the test:
//   fast.advance(5000);                       // every poll of 5 s of link time, at once
//   SimStation::waitFor(...);                 // moves the clock on one poll at a time; the time-out is link time
//
// The database (copied into a temporary folder of the process), the mirror and the event store are created
// once per test program, inside the test's MainApplication (RVK_TEST_MAIN); every start() runs a new SPI
// driver on a new simulated controller.
// Every wait is bounded.

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <functional>
#include <memory>

#include "sim/mcsimcore.h"

class LinkClock;
class MainApplication;
class Parameters;
class LogEvent;
class SpiDriver;

class SimStation
{
public:
    // Real: the driver polls on its timers. Manual: on a clock that the test moves on; the simulated
    // controller runs on the same clock.
    enum class Clock { Real, Manual };

    // `simValues` as RVK_SIM_VALUES: "id=value;id=value".
    explicit SimStation(const QString& simValues = QString(), Clock clock = Clock::Real);
    ~SimStation();

    // A parameter the test needs; used only when the catalogue lacks the id. Call before start().
    void addParameter(const McSimCore::ParamSeed& seed);

    // Brings the station up and waits (at most `timeoutMs`) for the end of the first synchronisation.
    bool start(int timeoutMs = 30000);
    // Starts the link without waiting for the synchronisation.
    bool startLink();
    bool waitForSync(int timeoutMs = 30000);
    void stop();

    McSimCore* sim() const { return core_.get(); }
    MainApplication* app() const;
    Parameters* params() const;
    LogEvent* logEvent() const;
    SpiDriver* driver() const;
    bool synced() const { return *synced_; }
    // The manual clock; null with the real one.
    LinkClock* clock() const { return clock_.get(); }
    // Manual clock: runs the link for `ms` of its time and returns once every poll due has run
    // (false if that took longer than a real-time guard).
    bool advance(qint64 ms);

    // Waits, running the event loop, until `condition` holds; false after `timeoutMs`. With the manual clock of
    // the running station the clock moves on one poll at a time and `timeoutMs` is link time.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
    // Moves `clock` on by `ms` and runs the event loop (the driver's updates need the main thread) until
    // the driver on it has run every poll due; false past a real-time guard.
    static bool runClock(LinkClock* clock, qint64 ms);
    // Waits until the mirror holds `value` for parameter `id` and has told its receivers.
    static bool waitForValue(quint16 id, float value, int timeoutMs = 5000);
    // Sets "id=value;..." on the running controller as it would change them itself and waits until the mirror
    // holds each; with the manual clock 100 ms of link time pass after, so that a value the mirror held already
    // has been reported too before the caller goes on.
    bool setValues(const QString& values);

private:
    QString simValues_;
    QVector<McSimCore::ParamSeed> extra_;
    std::shared_ptr<McSimCore> core_;
    std::shared_ptr<LinkClock> clock_;
    std::shared_ptr<bool> synced_;
};
