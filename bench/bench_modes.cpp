// Time to build and show the largest mode screens at the service level (the special algorithms with every group,
// voltage optimisation with its service rows, the maintenance of an analog input, auto-adaptation of a Danfoss
// drive) among their siblings, and the resident memory that 20 walks through the technological modes and the start
// modes add.

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "bench/screenbench.h"
#include "protections/modes_menu.h"
#include "protections/running_mode_menu.h"
#include "ui/screenwalker.h"

namespace {

// The screen of class `name` among the pages of `pages`, null when there is none.
BaseForm* pageOf(BaseForm::PageList pages, const char* name)
{
    Pages list = pages();
    const int index = list.indexOf(QString::fromLatin1(name));
    return index < 0 ? nullptr : list.form(index);
}

} // namespace

int main(int argc, char** argv)
{
    ScreenBench::App app(argc, argv);
    if (!app.ready())
        return 1;
    UiFixture ui(0);
    // Service level, a permanent-magnet motor on a Danfoss drive under U/f control: the special algorithms are
    // offered; the station stopped, so no warning opens.
    for (const auto& [id, value] : {std::pair<quint16, float>{572, 3}, {685, 2}, {782, 1}, {10006, 0}, {13, 0},
                                    {1683, 0}, {475, 4}, {118, 0}, {133, 1}})
        ui.report(id, value);

    const struct {
        const char* name;
        BaseForm::PageList pages;
        const char* screen;
    } screens[] = {
        {"special algorithms", &RunningModeMenu::createNextForm, "RunDidezorModeForm"},
        {"voltage optimisation", &ModesMenu::createNextForm, "OptimizationVoltageModeForm"},
        {"maintenance, input 2", &ModesMenu::createNextForm, "MaintenanceModeForm"},
    };
    for (const auto& screen : screens) {
        ScreenBench::timeBuild(ui.window(), screen.name, [&] { return pageOf(screen.pages, screen.screen); });
    }
    ui.report(10006, 1.0f);
    ScreenBench::timeBuild(ui.window(), "auto-adaptation", [] {
        return pageOf(&RunningModeMenu::createNextForm, "RunAutoAdaptationForm");
    });
    ui.report(10006, 0.0f);

    bool ok = true;
    int walked = 0;
    const auto walk = [&] {
        walked = 0;
        for (const auto root : {+[] { return static_cast<BaseForm*>(new ModesMenu(nullptr)); },
                                +[] { return static_cast<BaseForm*>(new RunningModeMenu(nullptr)); }}) {
            ScreenWalker walker(ui.window(), root);
            ok &= walker.walk([&](const ScreenWalker::Screen&) { ++walked; });
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    // Qt keeps the pixmaps its style draws in a cache of up to 10 MB: the second measure leaves it out.
    for (const bool cache : {true, false}) {
        if (!cache) {
            QPixmapCache::clear();
            QPixmapCache::setCacheLimit(0);
        }
        walk();
        const qint64 before = residentKb();
        for (int run = 0; run < 20; ++run)
            walk();
        std::printf("20 walks through %d mode screens, pixmap cache %s: resident memory %+lld kB (target < 1024 kB)\n",
                    walked, cache ? "on" : "off", static_cast<long long>(residentKb() - before));
    }
    return ok ? 0 : 1;
}
