#include "protections/protection_pressure_intake_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"

ProtectionPressureIntakeForm::ProtectionPressureIntakeForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionPressureIntakeForm"));
    setTitle(QObject::tr("Давление на приеме насоса"));
}

void ProtectionPressureIntakeForm::createForm()
{
    addActionRows(208, {0, 1, 2}, 1493);
    addEdits({215, 2083, 210, 211, 216, 212, 213, 214});
    addButtonResetDefault(616);
}

void ProtectionPressureIntakeForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
