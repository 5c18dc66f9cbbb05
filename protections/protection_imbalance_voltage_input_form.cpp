#include "protections/protection_imbalance_voltage_input_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_supply_menu.h"

ProtectionImbalanceVoltageInputForm::ProtectionImbalanceVoltageInputForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionImbalanceVoltageInputForm"));
    setTitle(QObject::tr("Дисбаланс напряжения"));
}

void ProtectionImbalanceVoltageInputForm::createForm()
{
    addActionRows(73, {0, 1, 2}, 1486);
    addEdits({80, 75, 76, 77, 78, 79});
    addButtonResetDefault(604);
}

void ProtectionImbalanceVoltageInputForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsSupplyMenu>();
}
