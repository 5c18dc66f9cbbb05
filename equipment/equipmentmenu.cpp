#include "equipment/equipmentmenu.h"

#include "app/mainapplication.h"
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
#include "texts/common.h"
#include "ui/mainwindow.h"

EquipmentMenu::EquipmentMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("EquipmentMenu"));
    setTitle(tr("Оборудование"));
}

EquipmentMenu::Items EquipmentMenu::currentItems()
{
    const MainApplication* app = MainApplication::getInstance();
    const quint16 vsdType = static_cast<quint16>(Common::toCode(app->getValue(685)));
    Items items;
    items.analogOutputs = app->getValue(1644) != 0.0f;
    items.bypass = vsdType == 2 || (vsdType == 3 && app->getValue(10504) != 5.0f);
    return items;
}

QList<BaseForm*> EquipmentMenu::createPages(const Items& items)
{
    QList<BaseForm*> pages{new MotorForm(nullptr),  new TransForm(nullptr),   new VsdMenu(nullptr),
                           new DhsMenu(nullptr),    new EmForm(nullptr),      new FiltersForm(nullptr),
                           new PumpForm(nullptr),   new RelayOutputsOptionsMenu(nullptr)};
    if (items.analogOutputs)
        pages.append(new AnalogOutputsMenu(nullptr));
    if (items.bypass)
        pages.append(new BypassContactorsForm(nullptr));
    return pages;
}

QList<BaseForm*> EquipmentMenu::createNextForm()
{
    return createPages(currentItems());
}

void EquipmentMenu::createForm()
{
    items_ = currentItems();
    addButton(tr("Двигатель"), QPixmap());
    addButton(tr("ТМПН"), QPixmap());
    addButton(tr("ЧРП"), QPixmap());
    addButton(tr("ТМС"), QPixmap());
    addButton(tr("Счётчик электроэнергии"), QPixmap());
    addButton(tr("Фильтры"), QPixmap());
    addButton(tr("Насос"), QPixmap());
    addButton(tr("Релейные выходы"), QPixmap());
    if (items_.analogOutputs)
        addButton(tr("Аналоговые выходы"), QPixmap());
    if (items_.bypass)
        addButton(tr("Байпасные контакторы"), QPixmap());
}

void EquipmentMenu::setFormsList()
{
    BaseForm::setFormsList(createPages(items_));
}

void EquipmentMenu::returnBackForm()
{
    mainWindow()->addForm(new MainMenu(nullptr), -1);
}
