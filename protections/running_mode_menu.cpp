#include "protections/running_mode_menu.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

RunningModeMenu::RunningModeMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunningModeMenu"));
    setTitle(tr("Режимы пуска"));
}

void RunningModeMenu::createForm()
{
}

void RunningModeMenu::returnBackForm()
{
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("VsdMenu"));
}
