#include "screens/mainmenu.h"

#include "equipment/equipmentmenu.h"
#include "log/logmenu.h"
#include "protections/protections_menu.h"
#include "screens/currentparamsmenu.h"
#include "screens/mainscreenform.h"
#include "screens/notebookmenu.h"
#include "screens/optionsmenu.h"
#include "screens/technologparamsmenu.h"
#include "ui/mainwindow.h"

MainMenu::MainMenu(QWidget* parent)
    : BaseMenu(parent, &MainMenu::items)
{
    setObjectName(QStringLiteral("MainMenu"));
    setTitle(tr("Главное меню"));
}

QList<MenuItem> MainMenu::items()
{
    return {
        MenuItem::child<CurrentParamsMenu>(tr("Текущие параметры")),
        MenuItem::child<LogMenu>(tr("Архивы")),
        MenuItem::child<EquipmentMenu>(tr("Оборудование")),
        MenuItem::child<ProtectionsMenu>(tr("Защиты")),
        MenuItem::child<TechnologParamsMenu>(tr("Технологические настройки")),
        MenuItem::child<NotebookMenu>(tr("Записная книжка")),
        MenuItem::child<OptionsMenu>(tr("Настройки")),
    };
}

Pages MainMenu::createNextForm()
{
    return pages(items());
}

void MainMenu::returnBackForm()
{
    mainWindow()->addForm(new MainScreenForm(nullptr), 0);
}

void MainMenu::showAgain()
{
    replaceWith(new MainMenu(nullptr));
}
