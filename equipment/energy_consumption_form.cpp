#include "equipment/energy_consumption_form.h"

#include "screens/mainmenu.h"
#include "screens/notebookmenu.h"

namespace {

constexpr quint16 kPeriodStartDay = 851;
constexpr quint16 kResetConsumption = 852;
// The controller clears the consumption on this value of the command.
constexpr float kResetValue = 3.0f;

} // namespace

EnergyConsumptionForm::EnergyConsumptionForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EnergyConsumptionForm"));
    setTitle(tr("Потребление активной электоэнергии"));
}

void EnergyConsumptionForm::createForm()
{
    // Previous and current day, month and year, then the total.
    for (quint16 id : {20032, 20030, 20036, 20034, 20051, 20052, 20028})
        addStatusNum(id, false);
    addEdit(kPeriodStartDay);
    addButton(tr("Сброс потреблёной активной электоэнергии"), SLOT(resetEnergyConsumption()));
}

void EnergyConsumptionForm::returnBackForm()
{
    showMenuPage<MainMenu, NotebookMenu>();
}

void EnergyConsumptionForm::resetEnergyConsumption()
{
    sendCommand(kResetConsumption, kResetValue, true, tr("Сбросить потребленую активную электоэнергию?"));
}
