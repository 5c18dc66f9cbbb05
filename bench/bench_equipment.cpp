// Time to build and show the largest equipment screens on the shipped database, the motor wizard over the whole
// catalogue included, the time of one step of the wizard's cascade, and the resident memory that 20 walks through
// the equipment screens leave behind.

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
#include "equipment/equipmentmenu.h"
#include "equipment/mastermotorform.h"
#include "support/uitestsupport.h"
#include "ui/basecombobox2.h"
#include "ui/mainwindow.h"
#include "ui/screenwalker.h"

namespace {

using ScreenBench::median;

void report(const char* what, const std::vector<double>& times)
{
    std::printf("%-40s median %.2f ms, max %.2f ms (target < 20 ms)\n", what, median(times),
                *std::max_element(times.begin(), times.end()));
}

std::vector<double> measure(MainWindow* window, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer t;
        t.start();
        step();
        QCoreApplication::processEvents();  // layout, polish and first paint
        window->repaint();
        times.push_back(t.nsecsElapsed() / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    ScreenBench::App app(argc, argv);
    if (!app.ready())
        return 1;
    UiFixture ui(0);
    MainWindow* window = ui.window();
    // Valve motor on the own drive, inductance by axes, both filters on: every row of these screens.
    for (const auto& v : {std::make_pair(782, 1.0f), {685, 1.0f}, {1329, 2.0f}, {712, 1.0f}, {713, 1.0f}})
        ui.report(static_cast<quint16>(v.first), v.second);

    for (const char* screen : {"MotorForm", "TransForm", "FiltersForm"}) {
        const QString name = QString::fromLatin1(screen);
        report(screen, measure(window, [&] { window->addForm(EquipmentMenu::createNextForm(), name); }));
    }
    report("MasterMotorForm (whole catalogue)",
           measure(window, [&] { window->addForm(new MasterMotorForm(nullptr), 0); }));

    auto* wizard = qobject_cast<MasterMotorForm*>(window->currentForm());
    auto* size = wizard ? qobject_cast<BaseComboBox2*>(wizard->rowAt(0)) : nullptr;
    if (!size || size->valuesList().size() < 3)
        return 1;
    int run = 0;
    report("wizard: a size chosen, levels refilled", measure(window, [&] {
               size->choose(1 + run++ % (size->valuesList().size() - 1));
           }));

    // With the valve motor the wizard is among the screens; the walk answers every question "Нет".
    int screens = 0;
    const auto walk = [&] {
        ScreenWalker walker(window, [] { return new EquipmentMenu(nullptr); });
        walker.walk([&](const ScreenWalker::Screen&) { ++screens; });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const auto grows = [&] {
        walk();
        const qint64 before = residentKb();
        for (int i = 0; i < 20; ++i)
            walk();
        return static_cast<long long>(residentKb() - before);
    };
    const long long withCache = grows();
    // Qt keeps the drawn selection boxes in its pixmap cache, up to its limit (10 MB): measured apart.
    QPixmapCache::setCacheLimit(0);
    const long long withoutCache = grows();
    std::printf("20 walks of the %d equipment screens: resident memory %+lld kB, %+lld kB without Qt's pixmap cache "
                "(target < 1024 kB)\n",
                screens / 42, withCache, withoutCache);
    return 0;
}
