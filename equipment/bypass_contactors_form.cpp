#include "equipment/bypass_contactors_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

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
    showMenuPage<MainMenu, EquipmentMenu>();
}
