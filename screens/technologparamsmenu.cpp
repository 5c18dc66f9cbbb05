#include "screens/technologparamsmenu.h"

#include "equipment/corrections_form.h"
#include "protections/modes_menu.h"
#include "screens/mainmenu.h"
#include "screens/menutechnologform.h"
#include "ui/mainwindow.h"

TechnologParamsMenu::TechnologParamsMenu(QWidget* parent)
    : BaseMenu(parent, &TechnologParamsMenu::items)
{
    setObjectName(QStringLiteral("TechnologParamsMenu"));
    setTitle(tr("Технологические настройки"));
}

QList<MenuItem> TechnologParamsMenu::items()
{
    return {
        MenuItem::child<ModesMenu>(tr("Режимы")),
        MenuItem::child<CorrectionsForm>(tr("Корректировки")),
        MenuItem::child<MenuTechnologForm>(tr("Настройка меню технолога")),
    };
}

Pages TechnologParamsMenu::createNextForm()
{
    return pages(items());
}

void TechnologParamsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
