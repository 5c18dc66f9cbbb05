#include "equipment/vsd_service_menu.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"

VsdServiceMenu::VsdServiceMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdServiceMenu"));
    setTitle(tr("Сервисное меню ЧРП"));
}

void VsdServiceMenu::createForm()
{
}

void VsdServiceMenu::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
