#include "equipment/vsd_resonance_form.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("VsdMenu"));
}
