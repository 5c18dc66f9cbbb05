// Time to build and show the largest drive screens on the parameter catalogue: the service menu of an "Эталон"
// drive (55 rows and a button), the drive temperatures (40 rows) and the drive hardware (28 rows and a button);
// then the resident memory that 20 walks through every drive screen add.

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "bench/screenbench.h"
#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_hardware_form.h"
#include "equipment/vsd_service_indication_temperature_form.h"
#include "equipment/vsd_service_menu.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/screenwalker.h"

int main(int argc, char** argv)
{
    ScreenBench::App app(argc, argv);
    if (!app.ready())
        return 1;
    UiFixture ui(0);
    ui.report(685, 3.0f);

    const struct {
        const char* name;
        std::function<BaseForm*()> make;
    } screens[] = {
        {"service menu, Эталон", [] { return static_cast<BaseForm*>(new VsdServiceMenu); }},
        {"drive temperatures", [] { return static_cast<BaseForm*>(new VsdServiceIndicationTemperatureForm); }},
        {"drive hardware", [] { return static_cast<BaseForm*>(new VsdServiceHardwareForm); }},
    };
    bool ok = true;
    for (const auto& screen : screens) {
        std::vector<double> times;
        int rows = 0;
        for (int run = 0; run < 30; ++run) {
            QElapsedTimer t;
            t.start();
            ui.window()->addForm(screen.make(), 0);
            QCoreApplication::processEvents();  // layout, polish and first paint
            ui.window()->repaint();
            times.push_back(t.nsecsElapsed() / 1e6);
            rows = ui.window()->currentForm()->rowCount();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::sort(times.begin(), times.end());
        std::printf("%s, %d rows, built and shown: median %.2f ms, max %.2f ms (target < 20 ms)\n", screen.name, rows,
                    times[times.size() / 2], times.back());
        ok &= rows > 0;
    }

    // The own drive: every drive screen and service page is on the walk.
    ui.report(685, 1.0f);
    int screensWalked = 0;
    const auto walk = [&ui, &screensWalked] {
        ScreenWalker walker(ui.window(), [] { return new VsdMenu(nullptr); });
        screensWalked = 0;
        const bool done = walker.walk([&screensWalked](const ScreenWalker::Screen&) { ++screensWalked; });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return done;
    };
    // Qt keeps the pixmaps its style draws (selection rows) in a cache of up to 10 MB; the second measure leaves
    // the cache out and shows the screens' own memory.
    for (const bool cache : {true, false}) {
        if (!cache) {
            QPixmapCache::clear();
            QPixmapCache::setCacheLimit(0);
        }
        ok &= walk();
        const qint64 before = residentKb();
        for (int run = 0; run < 20; ++run)
            ok &= walk();
        std::printf("20 walks through %d drive screens, pixmap cache %s: resident memory %+lld kB (target < 1024 kB)\n",
                    screensWalked, cache ? "on" : "off", static_cast<long long>(residentKb() - before));
    }
    return ok ? 0 : 1;
}
