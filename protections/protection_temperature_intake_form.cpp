#include "protections/protection_temperature_intake_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"

ProtectionTemperatureIntakeForm::ProtectionTemperatureIntakeForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionTemperatureIntakeForm"));
    setTitle(QObject::tr("Температура на приёме"));
}

void ProtectionTemperatureIntakeForm::createForm()
{
    addActionRows(2056, {0, 1, 2}, 2075);
    addEdits({2063, 2058, 2059, 2064, 2060, 2061, 2062});
    addButtonResetDefault(2076);
}

void ProtectionTemperatureIntakeForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
