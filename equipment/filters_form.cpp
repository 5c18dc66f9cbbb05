#include "equipment/filters_form.h"

#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

FiltersForm::FiltersForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("FiltersForm"));
    setTitle(tr("Фильтры"));
}

void FiltersForm::createForm()
{
}

void FiltersForm::returnBackForm()
{
    mainWindow()->addForm(MainMenu::createNextForm(), QStringLiteral("EquipmentMenu"));
}
