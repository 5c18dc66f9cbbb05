#include "equipment/trans_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

TransForm::TransForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("TransForm"));
    setTitle(tr("ТМПН"));
}

void TransForm::createForm()
{
}

void TransForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
