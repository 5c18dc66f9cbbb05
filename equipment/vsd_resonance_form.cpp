#include "equipment/vsd_resonance_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "texts/common.h"

VsdResonanceForm::VsdResonanceForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdResonanceForm"));
    setTitle(tr("Подавление резонанса"));
}

void VsdResonanceForm::createForm()
{
    addComboBox(10356, PairList{{0, tr("Угол")}, {1, tr("Момент")}, {2, tr("Мощность")}});
    addEdit(10090);
    // The gains are signed: -9 to 3, 0 switching the term off.
    PairList gains;
    for (int gain = -9; gain <= 3; ++gain)
        gains.append(gain, gain == 0 ? Common::getTextOnOff(0) : QString::number(gain));
    addComboBox(10089, gains);
    addComboBox(10344, gains);
}

void VsdResonanceForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
