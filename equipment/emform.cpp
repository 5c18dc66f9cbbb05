#include "equipment/emform.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

EmForm::EmForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EmForm"));
    setTitle(tr("Счётчик электроэнергии"));
}

void EmForm::createForm()
{
}

void EmForm::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
