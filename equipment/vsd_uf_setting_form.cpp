#include "equipment/vsd_uf_setting_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

VsdUfSettingForm::VsdUfSettingForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdUfSettingForm"));
    setTitle(tr("Настройка U/f"));
}

void VsdUfSettingForm::createForm()
{
}

void VsdUfSettingForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
