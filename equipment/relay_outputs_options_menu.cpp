#include "equipment/relay_outputs_options_menu.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

RelayOutputsOptionsMenu::RelayOutputsOptionsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RelayOutputsOptionsMenu"));
    setTitle(tr("Релейные выходы"));
}

void RelayOutputsOptionsMenu::createForm()
{
}

void RelayOutputsOptionsMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
