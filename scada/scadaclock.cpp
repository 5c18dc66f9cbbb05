#include "scada/scadaclock.h"

#include <QElapsedTimer>
#include <QTimer>

#include "texts/common.h"

ScadaClock::~ScadaClock() = default;

ScadaClock* ScadaClock::system()
{
    static ScadaClock clock;
    return &clock;
}

qint64 ScadaClock::nowMs()
{
    static QElapsedTimer timer;
    static const bool started = (timer.start(), true);
    Q_UNUSED(started);
    return timer.elapsed();
}

void ScadaClock::sleepMs(int ms)
{
    Common::sleep(ms);
}

void ScadaClock::repeat(QObject* owner, int periodMs, std::function<bool()> tick)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(periodMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tick = std::move(tick)] {
        if (!tick())
            timer->stop();
    });
    timer->start();
}
