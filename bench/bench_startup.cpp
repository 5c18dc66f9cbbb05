// Start-up of the panel on the simulated controller, to the main screen: the database copy, the first
// synchronisation and the window build, then the resident memory of the running panel.
#include <QTimer>
#include <QtTest>

#include <cstdio>

#include "app/mainapplication.h"
#include "bench/resident.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    MainApplication::prepareEnvironment();
    QElapsedTimer total;
    total.start();
    MainApplication app(argc, argv);
    MainApplication::Options options;
    options.windowed = true;
    if (!app.init(options)) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    QSignalSpy ready(&app, &MainApplication::signalMainWindowReady);
    if (!ready.wait(60000)) {
        std::fprintf(stderr, "no main screen within 60 s\n");
        return 1;
    }
    const qint64 toMainScreen = total.elapsed();
    const MainApplication::StartupTimes times = app.startupTimes();

    // Let the rows refresh and the link settle before the memory is read.
    QTest::qWait(2000);
    const qint64 rss = residentKb();

    std::printf("start-up to the main screen   %6lld ms  (target < 3000 ms)\n", static_cast<long long>(toMainScreen));
    std::printf("  database copy and metadata  %6lld ms\n", static_cast<long long>(times.database));
    std::printf("  first synchronisation       %6lld ms\n", static_cast<long long>(times.synchronisation));
    std::printf("  window build                %6lld ms  (target < 200 ms)\n", static_cast<long long>(times.window));
    std::printf("resident memory after start-up %5lld kB (target < 61440 kB)\n", static_cast<long long>(rss));
    return 0;
}
