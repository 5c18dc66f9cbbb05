#include "protections/modes_menu.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

ModesMenu::ModesMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("ModesMenu"));
    setTitle(tr("Режимы"));
}

void ModesMenu::createForm()
{
}

void ModesMenu::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("TechnologParamsMenu"));
}
