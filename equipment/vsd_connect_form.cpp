#include "equipment/vsd_connect_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

VsdConnectForm::VsdConnectForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdConnectForm"));
    setTitle(tr("Параметры связи с ЧРП"));
}

void VsdConnectForm::createForm()
{
}

void VsdConnectForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
