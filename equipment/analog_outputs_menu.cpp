#include "equipment/analog_outputs_menu.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

AnalogOutputsMenu::AnalogOutputsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("AnalogOutputsMenu"));
    setTitle(tr("Аналоговые выходы"));
}

void AnalogOutputsMenu::createForm()
{
}

void AnalogOutputsMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
