#include "equipment/motor_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

MotorForm::MotorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MotorForm"));
    setTitle(tr("Двигатель"));
}

void MotorForm::createForm()
{
}

void MotorForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
