// Lists every screen of the panel as one JSON object a line: the panel on the simulated controller
// (RVK_SIM_VALUES), offscreen, walked with keys from the main menu.
// rvk_screendump [--access N]
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "log/log_event_form.h"
#include "screens/mainmenu.h"
#include "ui/mainwindow.h"
#include "ui/screenwalker.h"

namespace {

constexpr int kSyncMs = 30000;
constexpr int kGrantMs = 5000;
// The whole run, start-up included: half a minute, a sanitizer build on a busy machine twice as long.
constexpr int kDeadlineMs = 120000;
constexpr int kTopLevel = 4;
constexpr quint16 kGrantedLevel = 572;

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString list(const QStringList& texts)
{
    QStringList items;
    for (const QString& text : texts)
        items << quoted(text);
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

// Keys in the order a reader looks for them, which QJsonObject would sort away.
QString line(const ScreenWalker::Screen& screen)
{
    QStringList rows;
    for (const RowInfo& row : screen.rows) {
        rows << QStringLiteral("{\"kind\":%1,\"label\":%2,\"id\":%3,\"value\":%4,\"editable\":%5}")
                    .arg(quoted(row.kind), quoted(row.label), QString::number(row.id), quoted(row.value),
                         row.editable ? QStringLiteral("true") : QStringLiteral("false"));
    }
    return QStringLiteral("{\"path\":%1,\"title\":%2,\"class\":%3,\"rows\":[%4],\"messages\":%5}")
        .arg(list(screen.path), quoted(screen.title), quoted(screen.className), rows.join(QLatin1Char(',')),
             list(screen.messages));
}

// Runs the event loop until `done` holds; false after `ms`.
bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    MainApplication::prepareEnvironment();
    MainApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints every screen of the panel as one JSON object a line."));
    parser.addHelpOption();
    const QCommandLineOption accessOption(QStringLiteral("access"),
                                          QStringLiteral("Access level granted before the walk (0 to 4)."),
                                          QStringLiteral("N"), QStringLiteral("0"));
    parser.addOption(accessOption);
    parser.process(app);
    bool ok = false;
    const int level = parser.value(accessOption).toInt(&ok);
    if (!ok || level < 0 || level > kTopLevel) {
        std::fprintf(stderr, "rvk_screendump: --access takes a level from 0 to %d\n", kTopLevel);
        return 2;
    }

    QTimer::singleShot(kDeadlineMs, [] {
        std::fflush(stdout);
        std::fprintf(stderr, "rvk_screendump: not done after %d ms\n", kDeadlineMs);
        std::_Exit(3);
    });

    // The database copy goes to a folder of its own, not beside a panel that may be running.
    QTemporaryDir appDir;
    if (!appDir.isValid())
        return 1;
    app.setAppDir(appDir.path());
    MainApplication::Options options;
    options.windowed = true;
    if (!app.init(options))
        return 1;
    if (!waitFor([&] { return app.mainWindow() != nullptr; }, kSyncMs)) {
        std::fprintf(stderr, "rvk_screendump: no synchronisation with the controller\n");
        return 1;
    }
    Parameters* params = app.params();
    if (params->get(kGrantedLevel) != static_cast<float>(level)) {
        params->set(kGrantedLevel, static_cast<float>(level), 1);
        if (!waitFor([&] { return params->get(kGrantedLevel) == static_cast<float>(level); }, kGrantMs)) {
            std::fprintf(stderr, "rvk_screendump: the controller did not grant level %d\n", level);
            return 1;
        }
    }

    // The journal lists its whole copy at once, so that every run shows the same rows.
    LogEventForm::setListingIntervals(0, 0, 0);
    ScreenWalker walker(app.mainWindow(), [] { return new MainMenu(nullptr); });
    const bool walked = walker.walk([](const ScreenWalker::Screen& screen) {
        std::fputs(line(screen).toUtf8().constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
    std::fflush(stdout);
    for (const QString& error : walker.errors())
        std::fprintf(stderr, "rvk_screendump: %s\n", qPrintable(error));
    return walked ? 0 : 1;
}
