#include "protections/protection_imbalance_current_motor_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"

ProtectionImbalanceCurrentMotorForm::ProtectionImbalanceCurrentMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionImbalanceCurrentMotorForm"));
    setTitle(QObject::tr("Дисбаланс токов двигателя"));
}

void ProtectionImbalanceCurrentMotorForm::createForm()
{
    addActionRows(163, {0, 1, 2}, 1490);
    addEdits({170, 165, 166, 167, 168, 169});
    addButtonResetDefault(611);
}

void ProtectionImbalanceCurrentMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsMotorMenu>();
}
