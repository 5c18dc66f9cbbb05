#include "equipment/analog_outputs_menu.h"

#include "equipment/analog_output_1_form.h"
#include "equipment/analog_output_2_form.h"
#include "equipment/analog_output_3_form.h"
#include "equipment/analog_output_4_form.h"
#include "equipment/equipmentmenu.h"
#include "screens/mainmenu.h"

AnalogOutputsMenu::AnalogOutputsMenu(QWidget* parent)
    : BaseMenu(parent, &AnalogOutputsMenu::items)
{
    setObjectName(QStringLiteral("AnalogOutputsMenu"));
    setTitle(tr("Аналоговые выходы"));
}

QList<MenuItem> AnalogOutputsMenu::items()
{
    return {
        MenuItem::child<AnalogOutput1Form>(tr("Аналоговый выход 1")),
        MenuItem::child<AnalogOutput2Form>(tr("Аналоговый выход 2")),
        MenuItem::child<AnalogOutput3Form>(tr("Аналоговый выход 3")),
        MenuItem::child<AnalogOutput4Form>(tr("Аналоговый выход 4")),
    };
}

Pages AnalogOutputsMenu::createNextForm()
{
    return pages(items());
}

void AnalogOutputsMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
