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
    for (quint16 id : {10087, 10088, 10077, 10064, 10066, 10067, 10341})
        addEdit(id);
}

void VsdVectorForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
