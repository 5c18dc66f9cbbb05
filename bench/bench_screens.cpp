// Time to open every screen of the tree as the operator's key opens it (Return on its row, Right from the page
// before it), from the key press to the first paint, on the panel with the default simulated controller at access
// level 3; the median of each screen over its openings, the resident memory that walks of the whole tree add, and
// last the slowest screen against a short one.
// bench_screens [OPENINGS [WALKS [CLASS]]]   (15 and 20 by default; CLASS: time that screen and the reference
// only, for a profiler)

#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "bench/screenbench.h"
#include "screens/mainmenu.h"
#include "support/simstation.h"
#include "ui/mainwindow.h"
#include "ui/screenwalker.h"

namespace {

constexpr quint16 kAccessLevel = 572;
constexpr float kLevel = 3.0f;
const char* const kReference = "MaintenanceModeForm";

// One opening timed; a function of its own, so that a profiler can be told to count inside it only
// (valgrind --tool=callgrind --toggle-collect='*timedOpening*').
Q_NEVER_INLINE double timedOpening(MainWindow* window, const std::function<void()>& key)
{
    return ScreenBench::timeShown(window, key);
}

struct Timed {
    QString className;
    int rows = 0;
    double median = 0.0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    MainApplication::prepareEnvironment();
    MainApplication app(argc, argv);
    const int openings = qMax(1, app.arguments().value(1, QStringLiteral("15")).toInt());
    const int walks = qMax(0, app.arguments().value(2, QStringLiteral("20")).toInt());
    const QString only = app.arguments().value(3);
    QTemporaryDir appDir;
    app.setAppDir(appDir.path());
    MainApplication::Options options;
    options.windowed = true;
    if (!app.init(options) || !SimStation::waitFor([&app] { return app.mainWindow() != nullptr; }, 60000)) {
        std::fprintf(stderr, "no main screen within 60 s\n");
        return 1;
    }
    app.params()->set(kAccessLevel, kLevel, 1);
    if (!SimStation::waitForValue(kAccessLevel, kLevel, 10000)) {
        std::fprintf(stderr, "the controller did not grant access level 3\n");
        return 1;
    }
    MainWindow* window = app.mainWindow();
    ScreenWalker walker(window, [] { return new MainMenu(nullptr); });
    QList<ScreenWalker::Screen> screens;
    if (!walker.walk([&screens](const ScreenWalker::Screen& screen) { screens << screen; })) {
        std::fprintf(stderr, "the walk failed: %s\n", qPrintable(walker.errors().join(QStringLiteral("; "))));
        return 1;
    }

    std::printf("%-40s %5s %10s   (%d openings each)\n", "screen", "rows", "median ms", openings);
    QList<Timed> timed;
    for (const ScreenWalker::Screen& screen : qAsConst(screens)) {
        if (!only.isEmpty() && screen.className != only && screen.className != QLatin1String(kReference))
            continue;
        std::vector<double> times;
        for (int run = 0; run < openings; ++run) {
            const bool reached = walker.reach(screen.route, [&](const std::function<void()>& key) {
                times.push_back(timedOpening(window, key));
            });
            const BaseForm* form = window->currentForm();
            if (!reached || !form || screen.className != QLatin1String(form->metaObject()->className())) {
                std::fprintf(stderr, "%s not reached again: %s\n", qPrintable(screen.className),
                             qPrintable(walker.errors().join(QStringLiteral("; "))));
                return 1;
            }
        }
        timed << Timed{screen.className, static_cast<int>(screen.rows.size()), ScreenBench::median(times)};
        std::printf("%-40s %5d %10.2f\n", qPrintable(timed.last().className), timed.last().rows,
                    timed.last().median);
        std::fflush(stdout);
    }

    if (walks > 0) {
        walker.walk([](const ScreenWalker::Screen&) {});
        const qint64 before = residentKb();
        for (int run = 0; run < walks; ++run)
            walker.walk([](const ScreenWalker::Screen&) {});
        std::printf("%d walks through %lld screens of the tree: resident memory %+lld kB (target < 1024 kB)\n", walks,
                    static_cast<long long>(screens.size()), static_cast<long long>(residentKb() - before));
    }

    const Timed* slowest = nullptr;
    const Timed* reference = nullptr;
    for (const Timed& t : qAsConst(timed)) {
        if (!slowest || t.median > slowest->median)
            slowest = &t;
        if (t.className == QLatin1String(kReference))
            reference = &t;
    }
    if (!slowest || !reference) {
        std::fprintf(stderr, "%s is not on the tree\n", kReference);
        return 1;
    }
    std::printf("slowest screen of the tree: %s %d rows, median %.2f ms; reference %s %d rows, median %.2f ms; "
                "ratio %.2f\n",
                qPrintable(slowest->className), slowest->rows, slowest->median, kReference, reference->rows,
                reference->median, slowest->median / reference->median);
    return 0;
}
