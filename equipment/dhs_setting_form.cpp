#include "equipment/dhs_setting_form.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

DhsSettingForm::DhsSettingForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("DhsSettingForm"));
    setTitle(tr("Параметры ТМС"));
}

void DhsSettingForm::createForm()
{
}

void DhsSettingForm::returnBackForm()
{
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("DhsMenu"));
}
