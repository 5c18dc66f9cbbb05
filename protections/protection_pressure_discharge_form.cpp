#include "protections/protection_pressure_discharge_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"

ProtectionPressureDischargeForm::ProtectionPressureDischargeForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionPressureDischargeForm"));
    setTitle(QObject::tr("Давление на выкиде насоса"));
}

void ProtectionPressureDischargeForm::createForm()
{
    addActionRows(936, {0, 1, 2}, 1494);
    addEdits({943, 938, 939, 944, 940, 941, 942});
    addButtonResetDefault(953);
}

void ProtectionPressureDischargeForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
