#include "equipment/dhs_connect_form.h"

#include "equipment/dhs_menu.h"
#include "equipment/equipmentmenu.h"

DhsConnectForm::DhsConnectForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("DhsConnectForm"));
    setTitle(tr("Параметры связи ТМС"));
}

void DhsConnectForm::createForm()
{
}

void DhsConnectForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, DhsMenu>();
}
