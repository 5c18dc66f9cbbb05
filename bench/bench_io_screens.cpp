// The calibration, relay output, analog output and bypass contactor screens: time to build and show each in its
// largest form, and the resident memory after opening all of them by keys 20 times.
#include <QApplication>
#include <QSet>

#include <cstdio>
#include <functional>

#include "app/mainapplication.h"
#include "bench/screenbench.h"
#include "equipment/analog_output_1_form.h"
#include "equipment/bypass_contactors_form.h"
#include "equipment/correction_ai.h"
#include "equipment/corrections_form.h"
#include "equipment/corrections_voltage_out.h"
#include "equipment/relay_outputs_options_3_form.h"
#include "equipment/relay_outputs_options_menu.h"
#include "screens/mainmenu.h"
#include "support/uitestsupport.h"

namespace {

QSet<QString> seen;

void key(MainWindow* window, Qt::Key k, int times = 1)
{
    for (int i = 0; i < times; ++i)
        ScreenBench::key(window, k, &seen);
}

void open(MainWindow* window, int position)
{
    ScreenBench::open(window, position, &seen);
}

// Every screen of these families, reached by keys from the main menu, paged through, and back.
void walk(MainWindow* window)
{
    window->addForm(new MainMenu(nullptr), 0);
    open(window, 4);  // technological settings
    open(window, 1);  // calibration
    open(window, 0);
    key(window, Qt::Key_Right, 9);
    key(window, Qt::Key_Escape, 3);
    open(window, 2);  // equipment
    open(window, 7);  // relay outputs
    open(window, 0);
    key(window, Qt::Key_Right, 12);
    key(window, Qt::Key_Escape);
    key(window, Qt::Key_Escape);
    open(window, 8);  // analog outputs
    open(window, 0);
    key(window, Qt::Key_Right, 4);
    key(window, Qt::Key_Escape, 2);
    open(window, 9);  // bypass contactors
    key(window, Qt::Key_Escape, 2);
}

} // namespace

int main(int argc, char** argv)
{
    ScreenBench::App app(argc, argv);
    if (!app.ready())
        return 1;
    UiFixture ui(0);
    // The largest forms: by value with line voltages and the model, the station-fault relay, a carried value,
    // the contactors enabled.
    for (const auto& [id, value] : {std::pair<quint16, float>{1644, 1}, {2085, 1}, {1178, 1}, {1518, 1}, {964, 8},
                                    {1615, 1}, {1625, 15004}, {685, 2}, {1052, 1}})
        ui.report(id, value);

    const std::pair<const char*, std::function<BaseForm*()>> cases[] = {
        {"calibration", [] { return new CorrectionsForm; }},
        {"output voltages", [] { return new CorrectionsVoltageOut; }},
        {"analog inputs", [] { return new CorrectionAI; }},
        {"relay menu", [] { return new RelayOutputsOptionsMenu; }},
        {"relay 3, station fault", [] { return new RelayOutputsOptions3Form; }},
        {"analog output 1", [] { return new AnalogOutput1Form; }},
        {"bypass contactors", [] { return new BypassContactorsForm; }},
    };
    for (const auto& [name, make] : cases)
        ScreenBench::timeBuild(ui.window(), name, make);

    walk(ui.window());
    for (const char* name : {"CorrectionsForm", "CorrectionAI", "CorrectionsVoltageMotor", "RelayOutputsOptions12Form",
                             "AnalogOutput4Form", "BypassContactorsForm"}) {
        if (!seen.contains(QLatin1String(name))) {
            std::printf("the walk did not reach %s\n", name);
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
