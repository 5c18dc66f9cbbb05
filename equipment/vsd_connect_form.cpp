#include "equipment/vsd_connect_form.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("VsdMenu"));
}
