#include "equipment/vsd_options_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

VsdOptionsForm::VsdOptionsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdOptionsForm"));
    setTitle(tr("Настройки ЧРП"));
}

void VsdOptionsForm::createForm()
{
}

void VsdOptionsForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
