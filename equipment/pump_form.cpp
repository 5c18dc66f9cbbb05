#include "equipment/pump_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

PumpForm::PumpForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("PumpForm"));
    setTitle(tr("Насос"));
}

void PumpForm::createForm()
{
}

void PumpForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
