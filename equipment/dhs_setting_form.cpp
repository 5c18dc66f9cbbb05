#include "equipment/dhs_setting_form.h"

#include "equipment/dhs_menu.h"
#include "equipment/equipmentmenu.h"

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
    showMenuPage<EquipmentMenu, DhsMenu>();
}
