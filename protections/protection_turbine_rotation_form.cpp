#include "protections/protection_turbine_rotation_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"

ProtectionTurbineRotationForm::ProtectionTurbineRotationForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionTurbineRotationForm"));
    setTitle(QObject::tr("Турбинное вращение"));
}

void ProtectionTurbineRotationForm::createForm()
{
    addActionRows(178, {0, 3});
    addEdit(185);
    addStatusNum(10);
    // The reference drive measures backspin without a correction.
    if (selector(685) != 3)
        addEdit(1214);
    addButtonResetDefault(612);
}

void ProtectionTurbineRotationForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsMotorMenu>();
}
