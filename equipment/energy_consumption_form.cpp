#include "equipment/energy_consumption_form.h"

#include "screens/mainmenu.h"
#include "screens/notebookmenu.h"

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
    showMenuPage<MainMenu, NotebookMenu>();
}
