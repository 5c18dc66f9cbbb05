#include "screens/dhsconfigurationform.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("DhsMenu"));
}
