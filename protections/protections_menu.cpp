#include "protections/protections_menu.h"

#include "protections/baseprotectionform.h"
#include "protections/protection_analog_inputs_menu.h"
#include "protections/protection_digital_inputs_menu.h"
#include "protections/protections_dhs_menu.h"
#include "protections/protections_motor_menu.h"
#include "protections/protections_other_menu.h"
#include "protections/protections_supply_menu.h"
#include "screens/mainmenu.h"
#include "ui/mainwindow.h"

namespace {
constexpr quint16 kDeviationAlarms = 1483;
constexpr quint16 kResetAll = 599;
// The value of the reset command that resets every protection.
constexpr float kResetEveryProtection = 3.0f;
}

ProtectionsMenu::ProtectionsMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionsMenu::items)
{
    setObjectName(QStringLiteral("ProtectionsMenu"));
    setTitle(QObject::tr("Защиты"));
}

QList<MenuItem> ProtectionsMenu::items()
{
    return {
        MenuItem::child<ProtectionsSupplyMenu>(QObject::tr("Защиты по сети")),
        MenuItem::child<ProtectionsMotorMenu>(QObject::tr("Защиты двигателя")),
        MenuItem::child<ProtectionsDhsMenu>(QObject::tr("Защиты по ТМС")),
        MenuItem::child<ProtectionAnalogInputsMenu>(QObject::tr("Защиты по аналоговым входам")),
        MenuItem::child<ProtectionDigitalInputsMenu>(QObject::tr("Защиты по цифровым входам")),
        MenuItem::child<ProtectionsOtherMenu>(QObject::tr("Защиты прочие")),
        MenuItem::row([](BaseForm* menu) { menu->addComboBox(kDeviationAlarms, BaseProtectionForm::onOff()); }),
        MenuItem::action(QObject::tr("Сбросить уставки по умолчанию"), SLOT(showResetDefaultDialog())),
    };
}

Pages ProtectionsMenu::createNextForm()
{
    return pages(items());
}

void ProtectionsMenu::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu(nullptr), -1);
}

void ProtectionsMenu::showResetDefaultDialog()
{
    sendCommand(kResetAll, kResetEveryProtection, true, QObject::tr("Сбросить значения уставок по умолчанию?"));
}
