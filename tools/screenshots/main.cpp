// Takes the screenshots of the documentation: the panel on the simulated controller, driven with keys.
// Run under a display (tools/screenshots.sh uses Xvfb): rvk_screenshots <folder>
#include <QDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>

#include "app/mainapplication.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

namespace {

// Rows refresh 400-580 ms after an update; wait for them before each picture.
constexpr int kSettleMs = 1500;

void press(MainWindow* window, Qt::Key key)
{
    QWidget* target = window->focusWidget();
    if (!target || !window->isAncestorOf(target))
        target = window->currentForm();
    QTest::keyClick(target, key);
    QTest::qWait(50);
}

bool save(MainWindow* window, const QString& path)
{
    QTest::qWait(kSettleMs);
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "could not save", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    // The application makes its own folder current; the pictures go where the caller asked.
    const QDir callerDir = QDir::current();
    MainApplication::prepareEnvironment();
    MainApplication app(argc, argv);
    const QString folder = callerDir.absoluteFilePath(app.arguments().value(1, QStringLiteral("docs")));
    if (!QDir().mkpath(folder))
        return 1;
    MainApplication::Options options;
    options.windowed = true;
    if (!app.init(options))
        return 1;
    QSignalSpy ready(&app, &MainApplication::signalMainWindowReady);
    if (!ready.wait(60000))
        return 1;
    MainWindow* window = app.mainWindow();
    QApplication::setActiveWindow(window);

    bool ok = save(window, folder + QStringLiteral("/main_screen.png"));
    press(window, Qt::Key_Return);
    ok &= save(window, folder + QStringLiteral("/main_menu.png"));
    // "Настройки", the last item, then "Единицы измерения".
    press(window, Qt::Key_Up);
    press(window, Qt::Key_Return);
    press(window, Qt::Key_Down);
    press(window, Qt::Key_Return);
    ok &= save(window, folder + QStringLiteral("/options_units.png"));
    return ok ? 0 : 1;
}
