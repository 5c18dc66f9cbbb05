#include "protections/modes_menu.h"

#include "screens/mainmenu.h"
#include "screens/technologparamsmenu.h"

ModesMenu::ModesMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("ModesMenu"));
    setTitle(tr("Режимы"));
}

void ModesMenu::createForm()
{
}

void ModesMenu::returnBackForm()
{
    showMenuPage<MainMenu, TechnologParamsMenu>();
}
