#include "equipment/vsd_vector_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

VsdVectorForm::VsdVectorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdVectorForm"));
    setTitle(tr("Векторный режим"));
}

void VsdVectorForm::createForm()
{
}

void VsdVectorForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
