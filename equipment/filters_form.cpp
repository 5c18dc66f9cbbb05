#include "equipment/filters_form.h"

#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

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
    showMenuPage<MainMenu, EquipmentMenu>();
}
