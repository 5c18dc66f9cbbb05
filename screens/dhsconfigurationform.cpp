#include "screens/dhsconfigurationform.h"

#include "equipment/dhs_menu.h"
#include "equipment/equipmentmenu.h"

DhsConfigurationForm::DhsConfigurationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("DhsConfigurationForm"));
    setTitle(tr("Конфигурация ТМС"));
}

void DhsConfigurationForm::createForm()
{

}

void DhsConfigurationForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, DhsMenu>();
}
