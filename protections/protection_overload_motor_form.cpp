#include "protections/protection_overload_motor_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"

ProtectionOverloadMotorForm::ProtectionOverloadMotorForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionOverloadMotorForm"));
    setTitle(QObject::tr("Перегруз (ЗП)"));
}

void ProtectionOverloadMotorForm::createForm()
{
    addActionRows(118, {0, 1, 2}, 1488);
    addEdits({125, 2077});
    addStatusNum(860);
    addEdits({120, 121});
    addStatusNum(861);
    addEdits({122, 123, 124});
    addButtonResetDefault(609);
}

void ProtectionOverloadMotorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsMotorMenu>();
}
