#include "equipment/bypass_contactors_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

BypassContactorsForm::BypassContactorsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("BypassContactorsForm"));
    setTitle(tr("Байпасные контакторы"));
}

void BypassContactorsForm::createForm()
{
}

void BypassContactorsForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
