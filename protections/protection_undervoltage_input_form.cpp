#include "protections/protection_undervoltage_input_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_supply_menu.h"

ProtectionUndervoltageInputForm::ProtectionUndervoltageInputForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionUndervoltageInputForm"));
    setTitle(QObject::tr("Пониженное напряжение"));
}

void ProtectionUndervoltageInputForm::createForm()
{
    addActionRows(58, {0, 1, 2}, 1485);
    addEdits({65, 60, 61, 62, 63, 64});
    // Frequency reduction of the reference drive with an induction motor; pulse-width control of our own drive.
    if (value(685) == 3.0f && value(782) == 0.0f)
        addComboBox(10519, onOff());
    if (value(685) == 1.0f)
        addComboBox(10555, onOff());
    addButtonResetDefault(603);
}

void ProtectionUndervoltageInputForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsSupplyMenu>();
}
