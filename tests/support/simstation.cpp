#include "support/simstation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "app/database.h"
#include "app/mainapplication.h"
#include "app/parameters.h"
#include "link/linkclock.h"
#include "link/simcatalogue.h"
#include "link/spidriver.h"
#include "log/log_event.h"
#include "sim/mcsimcore.h"
#include "sim/simtransport.h"

namespace {

// However long the driver takes to run the polls of one advance, it is a fault past this.
constexpr int kAdvanceGuardMs = 30000;

// The manual clock of the running driver, if any.
LinkClock* runningClock()
{
    MainApplication* a = MainApplication::getInstance();
    SpiDriver* driver = a ? a->spiDriver() : nullptr;
    return driver ? driver->clock() : nullptr;
}

} // namespace

bool SimStation::runClock(LinkClock* clock, qint64 ms)
{
    QEventLoop loop;
    QObject::connect(clock, &LinkClock::signalCaughtUp, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(kAdvanceGuardMs);
    clock->advance(ms);
    // A signal of an earlier advance may end one pass early.
    while (!clock->caughtUp() && guard.isActive())
        loop.exec();
    return clock->caughtUp();
}

SimStation::SimStation(const QString& simValues, Clock clock)
    : simValues_(simValues), synced_(std::make_shared<bool>(false))
{
    if (clock == Clock::Manual)
        clock_ = std::make_shared<LinkClock>();
}

SimStation::~SimStation()
{
    stop();
}

MainApplication* SimStation::app() const { return MainApplication::getInstance(); }
Parameters* SimStation::params() const { return app() ? app()->params() : nullptr; }
LogEvent* SimStation::logEvent() const { return app() ? app()->logEvent() : nullptr; }
SpiDriver* SimStation::driver() const { return app() ? app()->spiDriver() : nullptr; }

void SimStation::addParameter(const McSimCore::ParamSeed& seed)
{
    extra_.append(seed);
}

bool SimStation::startLink()
{
    MainApplication* a = app();
    if (!a || a->spiDriver())
        return false;
    if (!a->params()) {
        // A database copy of this process's own: test programs run side by side in one folder.
        static QTemporaryDir dir;
        if (!dir.isValid() || !Database::install(dir.path()))
            return false;
        a->initParameters();
        a->initLogEvent();
    }
    QVector<McSimCore::ParamSeed> seeds = SimCatalogue::fromDatabase();
    for (const McSimCore::ParamSeed& s : extra_) {
        bool known = false;
        for (const McSimCore::ParamSeed& c : seeds)
            known = known || c.id == s.id;
        if (known)
            continue;
        seeds.append(s);
        if (!a->params()->contains(s.id)) {
            ParameterDef def;
            def.id = s.id;
            def.operation = s.operation;
            def.physic = s.physic;
            def.discret = s.discret;
            def.min = s.min;
            def.max = s.max;
            a->params()->addParameter(def);
        }
    }
    core_ = std::make_shared<McSimCore>();
    if (clock_) {
        std::shared_ptr<LinkClock> clock = clock_;
        core_->setClock([clock] { return clock->nowMs(); });
    }
    core_->seed(seeds);
    if (!simValues_.isEmpty() && !core_->applyValues(simValues_))
        return false;
    *synced_ = false;
    a->initSpi(new SimTransport(core_), clock_);
    std::shared_ptr<bool> flag = synced_;
    QObject::connect(a->spiDriver(), &SpiDriver::signalSyncFinished, a, [flag] { *flag = true; });
    return true;
}

bool SimStation::waitForSync(int timeoutMs)
{
    std::shared_ptr<bool> flag = synced_;
    return waitFor([flag] { return *flag; }, timeoutMs);
}

bool SimStation::start(int timeoutMs)
{
    return startLink() && waitForSync(timeoutMs);
}

void SimStation::stop()
{
    if (MainApplication* a = app())
        a->quitSpi();
}

bool SimStation::advance(qint64 ms)
{
    if (!clock_)
        return false;
    if (runningClock() != clock_.get()) {
        // No driver runs on it: the time passes all the same.
        clock_->advance(ms);
        clock_->ranTo(clock_->targetMs());
        return true;
    }
    return runClock(clock_.get(), ms);
}

bool SimStation::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    if (LinkClock* clock = runningClock()) {
        const qint64 end = clock->targetMs() + timeoutMs;
        while (!condition()) {
            if (clock->targetMs() >= end || !runClock(clock, SpiDriver::kPollMs))
                return false;
        }
        return true;
    }
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

bool SimStation::waitForValue(quint16 id, float value, int timeoutMs)
{
    MainApplication* a = MainApplication::getInstance();
    if (!a || !a->params())
        return false;
    Parameters* p = a->params();
    if (!waitFor([p, id, value] { return p->get(id) == value; }, timeoutMs))
        return false;
    // The mirror tells its receivers just after the link's delivery: they have heard of the value on return.
    QCoreApplication::sendPostedEvents(p, QEvent::MetaCall);
    return true;
}

bool SimStation::setValues(const QString& values)
{
    if (!core_)
        return false;
    for (const QString& pair : values.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool okId = false;
        bool okValue = false;
        const uint id = pair.section(QLatin1Char('='), 0, 0).toUInt(&okId);
        const float value = pair.section(QLatin1Char('='), 1).toFloat(&okValue);
        if (!okId || !okValue || id > 0xFFFF)
            return false;
        core_->setValue(static_cast<quint16>(id), value);
        if (!waitForValue(static_cast<quint16>(id), value))
            return false;
    }
    return !clock_ || advance(100);
}
