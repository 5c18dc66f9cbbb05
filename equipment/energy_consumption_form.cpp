#include "equipment/energy_consumption_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

EnergyConsumptionForm::EnergyConsumptionForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EnergyConsumptionForm"));
    setTitle(tr("Потребление активной электоэнергии"));
}

void EnergyConsumptionForm::createForm()
{
}

void EnergyConsumptionForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("NotebookMenu"));
}
