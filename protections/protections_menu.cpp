#include "protections/protections_menu.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

ProtectionsMenu::ProtectionsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("ProtectionsMenu"));
    setTitle(tr("Защиты"));
}

void ProtectionsMenu::createForm()
{
}

void ProtectionsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
