#include "log/logmenu.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

LogMenu::LogMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("LogMenu"));
    setTitle(tr("Архивы"));
}

void LogMenu::createForm()
{
}

void LogMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
