#include "protections/protection_current_motor_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"

ProtectionCurrentMotorForm::ProtectionCurrentMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionCurrentMotorForm"));
    setTitle(QObject::tr("Предел тока двигателя"));
}

void ProtectionCurrentMotorForm::createForm()
{
    addActionRows(148, {1, 2}, 1511);
    addEdits({155});
    addButtonResetDefault(966);
}

void ProtectionCurrentMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsMotorMenu>();
}
