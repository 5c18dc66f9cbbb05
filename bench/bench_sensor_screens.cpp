// The downhole sensor, electricity meter and energy screens: time to build and show each (the largest layouts of
// the sensor parameter screen included), and the resident memory after opening all of them by keys 20 times.
#include <QApplication>
#include <QSet>

#include <cstdio>
#include <functional>

#include "app/mainapplication.h"
#include "bench/screenbench.h"
#include "equipment/dhs_connect_form.h"
#include "equipment/dhs_menu.h"
#include "equipment/dhs_setting_form.h"
#include "equipment/em_connect_form.h"
#include "equipment/emform.h"
#include "equipment/energy_consumption_form.h"
#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

namespace {

QSet<QString> seen;

struct Case {
    const char* name;
    float dhsType;
    std::function<BaseForm*()> make;
};

void key(MainWindow* window, Qt::Key k)
{
    ScreenBench::key(window, k, &seen);
}

void open(MainWindow* window, int position)
{
    ScreenBench::open(window, position, &seen);
}

// Every screen of this family, reached by keys from the main menu, and back.
void walk(MainWindow* window)
{
    window->addForm(new MainMenu(nullptr), 0);
    open(window, 2);  // equipment
    open(window, 3);  // sensor system menu
    open(window, 0);  // its pages, each in turn
    for (int i = 0; i < 3; ++i)
        key(window, Qt::Key_Right);
    key(window, Qt::Key_Escape);
    key(window, Qt::Key_Right);  // meter
    open(window, 0);
    key(window, Qt::Key_Escape);
    key(window, Qt::Key_Escape);
    key(window, Qt::Key_Escape);
    open(window, 5);  // notebook
    open(window, 4);  // energy
    key(window, Qt::Key_Escape);
}

} // namespace

int main(int argc, char** argv)
{
    ScreenBench::App app(argc, argv);
    if (!app.ready())
        return 1;
    UiFixture ui(0);
    ui.report(705, 1.0f);

    const Case cases[] = {
        {"sensor parameters, type 14", 14.0f, [] { return new DhsSettingForm; }},
        {"sensor parameters, type 17", 17.0f, [] { return new DhsSettingForm; }},
        {"sensor menu, type 17", 17.0f, [] { return new DhsMenu; }},
        {"sensor link, type 16", 16.0f, [] { return new DhsConnectForm; }},
        {"meter", 17.0f, [] { return new EmForm; }},
        {"meter link", 17.0f, [] { return new EmConnectForm; }},
        {"energy consumption", 17.0f, [] { return new EnergyConsumptionForm; }},
    };
    for (const Case& c : cases) {
        ui.report(39, c.dhsType);
        ScreenBench::timeBuild(ui.window(), c.name, c.make);
    }

    ui.report(39, 17.0f);
    walk(ui.window());
    const QStringList expected{"DhsMenu", "DhsSettingForm", "DhsConnectForm", "DhsConfigurationForm", "EmForm",
                               "EmConnectForm", "EnergyConsumptionForm"};
    for (const QString& name : expected) {
        if (!seen.contains(name)) {
            std::printf("the walk did not reach %s\n", qPrintable(name));
            return 1;
        }
    }
    const long before = residentKb();
    for (int round = 0; round < 20; ++round)
        walk(ui.window());
    const long after = residentKb();
    std::printf("resident memory after 20 walks of these screens: %+ld kB (target < 1024 kB)\n", after - before);
    return 0;
}
