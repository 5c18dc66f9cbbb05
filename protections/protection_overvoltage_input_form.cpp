#include "protections/protection_overvoltage_input_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_supply_menu.h"

ProtectionOvervoltageInputForm::ProtectionOvervoltageInputForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionOvervoltageInputForm"));
    setTitle(QObject::tr("Повышенное напряжение"));
}

void ProtectionOvervoltageInputForm::createForm()
{
    addActionRows(43, {0, 1, 2}, 1484);
    addEdits({50, 45, 46, 47, 48, 49});
    addButtonResetDefault(602);
}

void ProtectionOvervoltageInputForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsSupplyMenu>();
}
