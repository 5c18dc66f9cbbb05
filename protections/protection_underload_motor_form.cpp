#include "protections/protection_underload_motor_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"

ProtectionUnderloadMotorForm::ProtectionUnderloadMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionUnderloadMotorForm"));
    setTitle(QObject::tr("Недогруз (ЗСП)"));
}

void ProtectionUnderloadMotorForm::createForm()
{
    addActionRows(133, {0, 1, 2}, 1489);
    addEdits({140, 2078});
    addStatusNum(1026);
    addStatusNum(883);
    addEdits({135, 136, 137});
    addComboBox(670, onOff());
    addEdits({637, 138, 139});
    addComboBox(1652, onOff());
    addButtonResetDefault(610);
}

void ProtectionUnderloadMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsMotorMenu>();
}
