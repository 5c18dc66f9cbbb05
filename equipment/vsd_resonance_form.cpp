#include "equipment/vsd_resonance_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

VsdResonanceForm::VsdResonanceForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdResonanceForm"));
    setTitle(tr("Подавление резонанса"));
}

void VsdResonanceForm::createForm()
{
}

void VsdResonanceForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
