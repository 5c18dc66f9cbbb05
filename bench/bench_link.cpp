// The first synchronisation through the simulated controller (frames and link time against
// frames x 15 ms) and the CPU the running link uses while idle.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "link/spidriver.h"
#include "log/log_event.h"
#include "support/simstation.h"

namespace {

double cpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    MainApplication app(argc, argv);
    const int catalogueSize = 1600;
    const int idleSeconds = argc > 1 ? atoi(argv[1]) : 20;

    SimStation station;
    if (!station.startLink())
        return 1;
    station.stop();  // the catalogue is loaded; the measured run starts below
    idle(200);       // and the journal request of that first start is spent
    const int fromDb = app.params()->ids().size();
    // Until the catalogue holds its full size, fill it up with plain settings.
    for (int id = 30000; app.params()->ids().size() + (id - 30000) < catalogueSize; ++id) {
        McSimCore::ParamSeed s;
        s.id = static_cast<quint16>(id);
        s.max = 1000.0f;
        s.def = static_cast<float>(id % 1000);
        station.addParameter(s);
    }

    QElapsedTimer wall;
    wall.start();
    if (!station.start(60000)) {
        std::printf("synchronisation did not finish\n");
        return 1;
    }
    const double syncMs = static_cast<double>(wall.elapsed());
    const SpiDriver::Stats s = station.driver()->stats();
    const int ids = app.params()->ids().size();
    std::printf("catalogue: %d parameters (%d from the database), journal %d records stored\n", ids, fromDb,
                static_cast<int>(app.logEvent()->events().size()));
    std::printf("first synchronisation: %llu frames, %.0f ms; frames x 15 ms = %llu ms; ratio %.3f (target 0.90..1.10)\n",
                static_cast<unsigned long long>(s.frames), syncMs, static_cast<unsigned long long>(s.frames * 15),
                syncMs / static_cast<double>(s.frames * 15));
    std::printf("link busy time during the synchronisation: %.1f ms (%.0f us per frame)\n",
                static_cast<double>(s.busyMicros) / 1000.0, static_cast<double>(s.busyMicros) / static_cast<double>(s.frames));

    idle(1000);  // let the post-synchronisation writes settle
    const double cpu0 = cpuSeconds();
    wall.restart();
    const quint64 frames0 = station.driver()->stats().frames;
    idle(idleSeconds * 1000);
    const double cpu = cpuSeconds() - cpu0;
    const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    std::printf("idle: %.1f s, %llu frames (%.1f per s), CPU %.3f s = %.2f %% of one core (target < 1 %%)\n",
                seconds, static_cast<unsigned long long>(station.driver()->stats().frames - frames0),
                static_cast<double>(station.driver()->stats().frames - frames0) / seconds, cpu,
                100.0 * cpu / seconds);
    station.stop();
    return 0;
}
