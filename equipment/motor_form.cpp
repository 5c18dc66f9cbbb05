#include "equipment/motor_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
