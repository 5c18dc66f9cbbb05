#include "log/logmenu.h"

#include <QtDebug>

#include "app/mainapplication.h"
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
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("LogMenu"));
    setTitle(QObject::tr("Архивы"));
}

QList<BaseForm*> LogMenu::createNextForm()
{
    return {new LogEventForm(nullptr)};
}

void LogMenu::createForm()
{
    addButton(QObject::tr("Журнал событий"), QPixmap());
    addButton(QObject::tr("Считать архив"), SLOT(copyLogs()), QPixmap());
    addButton(QObject::tr("Очистить архив"), SLOT(deleteLogs()), QPixmap());
    addButton(QObject::tr("Очистить сервисный архив"), SLOT(deleteDebugLogs()), QPixmap());
    addEdit(28);
    addEdit(1480);
    addEdit(29);
    MainApplication* app = MainApplication::getInstance();
    const quint32 dhsType = app && app->params() ? Common::toCode(app->params()->get(kDhsType)) & 0xFFFF : 0;
    if (dhsType != 0) {
        addEdit(30);
        addEdit(1128);
    }
    PairList onOff;
    onOff.append(0, Common::getTextOnOff(0));
    onOff.append(1, Common::getTextOnOff(1));
    addComboBox(1393, onOff);
}

void LogMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void LogMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu(nullptr), -1);
}

void LogMenu::copyLogs()
{
    MainApplication* app = MainApplication::getInstance();
    if (!app || !app->params() || !app->isAccess(this, kCopyArchives, 0, QString()))
        return;
    // The controller drives the rest: the main window follows 594 with its progress dialog.
    app->params()->set(kCopyArchives, 1, 1);
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
    MainApplication* app = MainApplication::getInstance();
    if (!app || !app->params() || !app->isAccess(this, id, kAlwaysAsk, QString()))
        return;
    // Shown before the write, so that an answer of the controller to the write always finds it.
    auto* dialog = new ProgressBarDialog(text + QLatin1Char(':'), mainWindow(), id, true);
    dialog->startTimeOut(UiClock::archiveTimeoutMs(), failure);
    dialog->show();
    app->params()->set(id, 1, 1);
}
