// Time to build and show a 30-row screen, and the main-thread cost of a burst of 200 parameter updates
// on a shown screen (the updates themselves plus the row refreshes they cause). Then the same build time for
// every protection screen, the input pages included, opened among its siblings as from its menu, and the resident
// memory that walks through the protection tree leave.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "bench/screenbench.h"
#include "protections/protection_analog_inputs_menu.h"
#include "protections/protection_digital_inputs_menu.h"
#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"
#include "protections/protections_other_menu.h"
#include "protections/protections_supply_menu.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/basestatuswidget.h"
#include "ui/mainwindow.h"
#include "ui/screenwalker.h"
#include "ui/uiclock.h"
#include "texts/common.h"

namespace {

constexpr int kRows = 30;
constexpr quint16 kFirstId = 500;

class BenchForm : public BaseForm
{
public:
    BenchForm() : BaseForm(nullptr, true) {}
    void createForm() override
    {
        setTitle(QStringLiteral("Тест"));
        PairList choices;
        choices.append(0, QStringLiteral("Нет"));
        choices.append(1, QStringLiteral("Да"));
        for (int i = 0; i < kRows; ++i) {
            const auto id = static_cast<quint16>(kFirstId + i);
            switch (i % 3) {
            case 0: addEdit(id); break;
            case 1: addStatusNum(id, false); break;
            default: addComboBox(id, choices); break;
            }
        }
    }
    void returnBackForm() override {}
};

using ScreenBench::median;

} // namespace

int main(int argc, char** argv)
{
    ScreenBench::App app(argc, argv);
    if (!app.ready())
        return 1;
    UiFixture ui(0);
    for (int i = 0; i < kRows; ++i)
        ui.addParameter(static_cast<quint16>(kFirstId + i), 1.0f, 0.0f, 1000.0f);

    std::vector<double> build;
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer t;
        t.start();
        ui.window()->addForm(new BenchForm, 0);
        QCoreApplication::processEvents();  // layout, polish and first paint
        ui.window()->repaint();
        build.push_back(t.nsecsElapsed() / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The burst: 200 updates spread over the screen's parameters, then every refresh they trigger.
    UiClock::setRefreshDelay(0, 0);
    std::vector<double> burst;
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer t;
        t.start();
        for (int k = 0; k < 200; ++k) {
            const auto id = static_cast<quint16>(kFirstId + k % kRows);
            ui.params()->slotParamUpdated(id, Common::floatBits(static_cast<float>((run + k) % 2)), 0);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        burst.push_back(t.nsecsElapsed() / 1e6);
        // The refreshes ran inside the measured time: the rows show the burst's last values.
        auto* row = static_cast<BaseStatusWidget*>(ui.window()->currentForm()->rowAt(1));
        // Its parameter's last update in the burst is k = 181.
        if (row->valueText() != QString::number((run + 181) % 2)) {
            std::printf("row not refreshed within the burst (shows %s)\n", qPrintable(row->valueText()));
            return 1;
        }
    }

    // Every protection screen shown: the service level, a permanent-magnet motor, our own drive.
    ui.report(572, 3.0f);
    ui.report(782, 1.0f);
    ui.report(685, 1.0f);
    ui.report(1644, 1.0f);
    double slowest = 0.0;
    QString slowestName;
    int screens = 0;
    for (BaseForm::PageList pages : {&ProtectionsSupplyMenu::createNextForm, &ProtectionsMotorMenu::createNextForm,
                                     &ProtectionsDhsMenu::createNextForm, &ProtectionsOtherMenu::createNextForm,
                                     &ProtectionDigitalInputsMenu::createNextForm,
                                     &ProtectionAnalogInputsMenu::createNextForm}) {
        const int count = pages().size();
        for (int page = 0; page < count; ++page, ++screens) {
            std::vector<double> times;
            for (int run = 0; run < 15; ++run) {
                QElapsedTimer t;
                t.start();
                ui.window()->addForm(pages(), page, -1);
                QCoreApplication::processEvents();
                ui.window()->repaint();
                times.push_back(t.nsecsElapsed() / 1e6);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            if (median(times) > slowest) {
                slowest = median(times);
                slowestName = QString::fromLatin1(ui.window()->currentForm()->metaObject()->className());
            }
        }
    }

    // The protection tree walked 20 times: what stays resident.
    int walked = 0;
    const auto walk = [&] {
        ScreenWalker walker(ui.window(), [] { return new ProtectionsMenu(nullptr); });
        walker.walk([&](const ScreenWalker::Screen&) { ++walked; });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    walk();
    const qint64 before = residentKb();
    for (int i = 0; i < 20; ++i)
        walk();
    const long long grown = static_cast<long long>(residentKb() - before);

    std::printf("screen of %d rows built and shown: median %.2f ms, max %.2f ms (target < 20 ms)\n", kRows,
                median(build), *std::max_element(build.begin(), build.end()));
    std::printf("burst of 200 updates with refreshes: median %.2f ms, max %.2f ms (target < 10 ms)\n", median(burst),
                *std::max_element(burst.begin(), burst.end()));
    std::printf("%d protection screens built and shown: slowest median %.2f ms, %s (target < 20 ms)\n", screens,
                slowest, qPrintable(slowestName));
    std::printf("20 walks of the %d protection screens: resident memory %+lld kB (target < 1024 kB)\n", walked / 21,
                grown);
    return 0;
}
