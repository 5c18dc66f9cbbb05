#include "equipment/analog_outputs_menu.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
