#include "equipment/vsd_vector_form.h"

#include "equipment/equipmentmenu.h"
#include "ui/mainwindow.h"

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
    mainWindow()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("VsdMenu"));
}
