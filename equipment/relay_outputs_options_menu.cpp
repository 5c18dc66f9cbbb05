#include "equipment/relay_outputs_options_menu.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
