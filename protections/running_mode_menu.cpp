#include "protections/running_mode_menu.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

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
    showMenuPage<EquipmentMenu, VsdMenu>();
}
