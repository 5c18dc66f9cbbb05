#include "equipment/vsd_uf_setting_form.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("VsdMenu"));
}
