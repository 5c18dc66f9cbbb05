#include "equipment/vsd_service_menu.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("VsdMenu"));
}
