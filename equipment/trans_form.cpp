#include "equipment/trans_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

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
    showMenuPage<MainMenu, EquipmentMenu>();
}
