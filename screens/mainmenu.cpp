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
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MainMenu"));
    setTitle(tr("Главное меню"));
}

QList<BaseForm*> MainMenu::createNextForm()
{
    return {new CurrentParamsMenu(nullptr), new LogMenu(nullptr),       new EquipmentMenu(nullptr),
            new ProtectionsMenu(nullptr),   new TechnologParamsMenu(nullptr), new NotebookMenu(nullptr),
            new OptionsMenu(nullptr)};
}

void MainMenu::createForm()
{
    addButton(tr("Текущие параметры"), QPixmap());
    addButton(tr("Архивы"), QPixmap());
    addButton(tr("Оборудование"), QPixmap());
    addButton(tr("Защиты"), QPixmap());
    addButton(tr("Технологические настройки"), QPixmap());
    addButton(tr("Записная книжка"), QPixmap());
    addButton(tr("Настройки"), QPixmap());
}

void MainMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void MainMenu::returnBackForm()
{
    mainWindow()->addForm(new MainScreenForm(nullptr), 0);
}
