#include "protections/protection_imbalance_current_input_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_supply_menu.h"

ProtectionImbalanceCurrentInputForm::ProtectionImbalanceCurrentInputForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionImbalanceCurrentInputForm"));
    setTitle(QObject::tr("Дисбаланс входных токов"));
}

void ProtectionImbalanceCurrentInputForm::createForm()
{
    addActionRows(88, {0, 1, 2}, 1487);
    addEdits({95, 90, 91, 92, 93, 94});
    addButtonResetDefault(605);
}

void ProtectionImbalanceCurrentInputForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsSupplyMenu>();
}
