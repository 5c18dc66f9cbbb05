// From the journal button of the archives page to the last of 512 rows, on a station linked to the simulated
// controller, with the listing's own pauses set to zero: wall time and main-thread CPU time.
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "app/mainapplication.h"
#include "log/log_event.h"
#include "log/log_event_form.h"
#include "screens/mainmenu.h"
#include "support/simstation.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"

namespace {

qint64 threadCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<qint64>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    MainApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const int runs = qMax(1, app.arguments().value(1, QStringLiteral("5")).toInt());

    SimStation station;
    if (!station.start()) {
        std::fprintf(stderr, "no synchronisation with the simulated controller\n");
        return 1;
    }
    const bool full = SimStation::waitFor([&station] {
        const auto events = station.logEvent()->events();
        return events.size() == LogEvent::kMaxRecords && events.lastKey() == station.sim()->lastEventSerial();
    }, 30000);
    if (!full) {
        std::fprintf(stderr, "the store did not fill\n");
        return 1;
    }
    UiFixture ui;
    MainWindow* window = ui.window();
    LogEventForm::setListingIntervals(0, 0, 0);

    QVector<qint64> wall;
    QVector<qint64> cpu;
    for (int run = 0; run < runs; ++run) {
        window->addForm(MainMenu::createNextForm(), 1, -1);
        BaseForm* menu = window->currentForm();
        menu->setCurrentRow(0);
        QCoreApplication::processEvents();

        QElapsedTimer clock;
        clock.start();
        const qint64 cpuStart = threadCpuUs();
        QTest::keyClick(menu->rowAt(0), Qt::Key_Return);
        auto* journal = qobject_cast<LogEventForm*>(window->currentForm());
        if (!journal)
            return 1;
        // When the 128th, 256th, 384th and 512th rows were there: the cost of a row grows with the list.
        qint64 marks[4] = {0, 0, 0, 0};
        while (!journal->isListingComplete() && clock.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            const int n = journal->rowCount();
            for (int m = 0; m < 4; ++m)
                if (!marks[m] && n >= 128 * (m + 1))
                    marks[m] = clock.elapsed();
        }
        std::printf("run %d: rows 128/256/384/512 at %lld/%lld/%lld/%lld ms\n", run + 1,
                    static_cast<long long>(marks[0]), static_cast<long long>(marks[1]),
                    static_cast<long long>(marks[2]), static_cast<long long>(marks[3]));
        // The last row painted.
        window->repaint();
        const qint64 cpuUs = threadCpuUs() - cpuStart;
        const qint64 wallMs = clock.elapsed();
        if (journal->rowCount() != LogEvent::kMaxRecords) {
            std::fprintf(stderr, "listed %d rows\n", journal->rowCount());
            return 1;
        }
        wall << wallMs;
        cpu << cpuUs / 1000;
        journal->returnBackForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    station.stop();

    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("journal of %d records, %d runs (listing pauses excluded)\n", LogEvent::kMaxRecords, runs);
    std::printf("  wall time          median %5lld ms  min %5lld  max %5lld\n", static_cast<long long>(wall.at(runs / 2)),
                static_cast<long long>(wall.first()), static_cast<long long>(wall.last()));
    std::printf("  main-thread CPU    median %5lld ms  min %5lld  max %5lld  (target < 200 ms)\n",
                static_cast<long long>(cpu.at(runs / 2)), static_cast<long long>(cpu.first()),
                static_cast<long long>(cpu.last()));
    return 0;
}
