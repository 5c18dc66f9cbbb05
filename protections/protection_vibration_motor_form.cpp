#include "protections/protection_vibration_motor_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"

ProtectionVibrationMotorForm::ProtectionVibrationMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionVibrationMotorForm"));
    setTitle(QObject::tr("Вибрация двигателя"));
}

void ProtectionVibrationMotorForm::createForm()
{
    addActionRows(253, {0, 1, 2}, 1496);
    addEdits({260, 255, 256, 257, 258, 259});
    addButtonResetDefault(619);
}

void ProtectionVibrationMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
