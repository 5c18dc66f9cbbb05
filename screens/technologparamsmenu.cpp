#include "screens/technologparamsmenu.h"

#include "equipment/corrections_form.h"
#include "protections/modes_menu.h"
#include "screens/mainmenu.h"
#include "screens/menutechnologform.h"
#include "ui/mainwindow.h"

TechnologParamsMenu::TechnologParamsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("TechnologParamsMenu"));
    setTitle(tr("Технологические настройки"));
}

QList<BaseForm*> TechnologParamsMenu::createNextForm()
{
    return {new ModesMenu(nullptr), new CorrectionsForm(nullptr), new MenuTechnologForm(nullptr)};
}

void TechnologParamsMenu::createForm()
{
    addButton(tr("Режимы"), QPixmap());
    addButton(tr("Корректировки"), QPixmap());
    addButton(tr("Настройка меню технолога"), QPixmap());
}

void TechnologParamsMenu::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void TechnologParamsMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
