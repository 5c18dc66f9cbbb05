#include "log/logmenu.h"

#include <QtDebug>

#include "app/parameters.h"
#include "log/log_event_form.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

namespace {

constexpr quint16 kCopyArchives = 594;
constexpr quint16 kDeleteArchives = 595;
constexpr quint16 kDeleteServiceArchives = 596;
constexpr quint16 kDhsType = 39;

// The password is asked for every delete, whatever level is granted already.
constexpr int kAlwaysAsk = 2;

} // namespace

LogMenu::LogMenu(QWidget* parent)
    : BaseMenu(parent, &LogMenu::items)
{
    setObjectName(QStringLiteral("LogMenu"));
    setTitle(QObject::tr("Архивы"));
}

QList<MenuItem> LogMenu::items()
{
    const bool dhs = (Common::toCode(value(kDhsType)) & 0xFFFF) != 0;
    return {
        MenuItem::child<LogEventForm>(QObject::tr("Журнал событий")),
        MenuItem::action(QObject::tr("Считать архив"), SLOT(copyLogs())),
        MenuItem::action(QObject::tr("Очистить архив"), SLOT(deleteLogs())),
        MenuItem::action(QObject::tr("Очистить сервисный архив"), SLOT(deleteDebugLogs())),
        MenuItem::row([](BaseForm* menu) { menu->addEdit(28); }),
        MenuItem::row([](BaseForm* menu) { menu->addEdit(1480); }),
        MenuItem::row([](BaseForm* menu) { menu->addEdit(29); }),
        MenuItem::row([](BaseForm* menu) { menu->addEdit(30); }, dhs),
        MenuItem::row([](BaseForm* menu) { menu->addEdit(1128); }, dhs),
        MenuItem::row([](BaseForm* menu) {
            PairList onOff;
            onOff.append(0, Common::getTextOnOff(0));
            onOff.append(1, Common::getTextOnOff(1));
            menu->addComboBox(1393, onOff);
        }),
    };
}

Pages LogMenu::createNextForm()
{
    return pages(items());
}

void LogMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu(nullptr), -1);
}

void LogMenu::copyLogs()
{
    Parameters* p = params();
    if (!p || !isAccess(kCopyArchives, 0))
        return;
    // The controller drives the rest: the main window follows 594 with its progress dialog.
    p->set(kCopyArchives, 1, 1);
}

void LogMenu::deleteLogs()
{
    deleteArchive(kDeleteArchives, QObject::tr("Удаление архивов"),
                  QObject::tr("Удаление архивов не завершено: контроллер не ответил"));
}

void LogMenu::deleteDebugLogs()
{
    deleteArchive(kDeleteServiceArchives, QObject::tr("Удаление служебных архивов"),
                  QObject::tr("Удаление служебных архивов не завершено: контроллер не ответил"));
}

void LogMenu::deleteArchive(quint16 id, const QString& text, const QString& failure)
{
    Parameters* p = params();
    if (!p || !isAccess(id, kAlwaysAsk))
        return;
    // Shown before the write, so that an answer of the controller to the write always finds it.
    auto* dialog = new ProgressBarDialog(text + QLatin1Char(':'), mainWindow(), id, true);
    dialog->startTimeOut(UiClock::archiveTimeoutMs(), failure);
    dialog->show();
    p->set(id, 1, 1);
}
