#include "equipment/dhs_connect_form.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("DhsMenu"));
}
