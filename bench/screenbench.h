#pragma once

// What the screen benchmarks share: keys as the panel sends them and the time to build and show a screen (the
// resident memory is residentKb() of bench/resident.h).

#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/mainapplication.h"
#include "bench/resident.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

namespace ScreenBench {

// The panel without a controller, as the screen benchmarks run it: drawn offscreen unless a platform is named, the
// catalogue read into a folder of its own and the mirror filled from it.
class App
{
public:
    App(int& argc, char** argv) : platform_(offscreenUnlessNamed()), app_(argc, argv)
    {
        app_.setAppDir(dir_.path());
        ready_ = app_.initDatabase();
        if (ready_)
            app_.initParameters();
    }

    // False when the catalogue could not be read.
    bool ready() const { return ready_; }

private:
    static bool offscreenUnlessNamed()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    bool platform_;
    QTemporaryDir dir_;
    MainApplication app_;
    bool ready_ = false;
};

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Presses `k` where the panel's key goes, runs the deferred deletions and notes the class of the screen on show.
inline void key(MainWindow* window, Qt::Key k, QSet<QString>* seen)
{
    UiFixture::key(window, k);
    if (BaseForm* form = window->currentForm())
        seen->insert(QString::fromLatin1(form->metaObject()->className()));
}

// Opens the child row at `position` of the screen on show.
inline void open(MainWindow* window, int position, QSet<QString>* seen)
{
    BaseForm* form = window->currentForm();
    for (int row = 0; row < form->rowCount(); ++row) {
        if (form->childButtonPosition(row) == position) {
            form->setCurrentRow(row);
            key(window, Qt::Key_Return, seen);
            return;
        }
    }
}

// Milliseconds from `open` to the screen on show laid out, polished and painted.
inline double timeShown(MainWindow* window, const std::function<void()>& open)
{
    QElapsedTimer t;
    t.start();
    open();
    QCoreApplication::processEvents();
    window->repaint();
    return t.nsecsElapsed() / 1e6;
}

// Builds and shows the screen of `make` 30 times and prints the median and the longest time.
inline void timeBuild(MainWindow* window, const char* name, const std::function<BaseForm*()>& make)
{
    std::vector<double> times;
    int rows = 0;
    for (int run = 0; run < 30; ++run) {
        times.push_back(timeShown(window, [&] { window->addForm(make(), 0); }));
        rows = window->currentForm()->rowCount();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("%-28s %2d rows built and shown: median %.2f ms, max %.2f ms (target < 20 ms)\n", name, rows,
                median(times), *std::max_element(times.begin(), times.end()));
}

} // namespace ScreenBench
