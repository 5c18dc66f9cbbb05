#include "protections/protection_flow_discharge_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"

ProtectionFlowDischargeForm::ProtectionFlowDischargeForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionFlowDischargeForm"));
    setTitle(QObject::tr("Минимальный расход"));
}

void ProtectionFlowDischargeForm::createForm()
{
    addActionRows(918, {0, 1, 2}, 1497);
    addEdits({925, 920, 921, 922, 923, 924});
    addButtonResetDefault(935);
}

void ProtectionFlowDischargeForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
