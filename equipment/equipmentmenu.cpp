#include "equipment/equipmentmenu.h"

#include "equipment/analog_outputs_menu.h"
#include "equipment/bypass_contactors_form.h"
#include "equipment/dhs_menu.h"
#include "equipment/emform.h"
#include "equipment/filters_form.h"
#include "equipment/motor_form.h"
#include "equipment/pump_form.h"
#include "equipment/relay_outputs_options_menu.h"
#include "equipment/trans_form.h"
#include "equipment/vsd_menu.h"
#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

EquipmentMenu::EquipmentMenu(QWidget* parent)
    : BaseMenu(parent, &EquipmentMenu::items)
{
    setObjectName(QStringLiteral("EquipmentMenu"));
    setTitle(tr("Оборудование"));
}

QList<MenuItem> EquipmentMenu::items()
{
    const quint16 vsdType = selector(685);
    const bool analogOutputs = value(1644) != 0.0f;
    const bool bypass = vsdType == 2 || (vsdType == 3 && value(10504) != 5.0f);
    return {
        MenuItem::child<MotorForm>(tr("Двигатель")),
        MenuItem::child<TransForm>(tr("ТМПН")),
        MenuItem::child<VsdMenu>(tr("ЧРП")),
        MenuItem::child<DhsMenu>(tr("ТМС")),
        MenuItem::child<EmForm>(tr("Счётчик электроэнергии")),
        MenuItem::child<FiltersForm>(tr("Фильтры")),
        MenuItem::child<PumpForm>(tr("Насос")),
        MenuItem::child<RelayOutputsOptionsMenu>(tr("Релейные выходы")),
        MenuItem::child<AnalogOutputsMenu>(tr("Аналоговые выходы"), analogOutputs),
        MenuItem::child<BypassContactorsForm>(tr("Байпасные контакторы"), bypass),
    };
}

Pages EquipmentMenu::createNextForm()
{
    return pages(items());
}

void EquipmentMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
