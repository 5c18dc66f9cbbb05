#include "protections/protections_supply_menu.h"

#include "protections/baseprotectionform.h"
#include "protections/protection_imbalance_current_input_form.h"
#include "protections/protection_imbalance_voltage_input_form.h"
#include "protections/protection_overvoltage_input_form.h"
#include "protections/protection_phase_rotation_form.h"
#include "protections/protection_power_off_form.h"
#include "protections/protection_undervoltage_input_form.h"
#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

ProtectionsSupplyMenu::ProtectionsSupplyMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionsSupplyMenu::items)
{
    setObjectName(QStringLiteral("ProtectionsSupplyMenu"));
    setTitle(QObject::tr("Защиты по сети"));
}

QList<MenuItem> ProtectionsSupplyMenu::items()
{
    // The outage ride-through is for the service levels.
    const bool powerOff = selector(572) > 2;
    const PairList icons = BaseProtectionForm::actionIcons();
    return {
        MenuItem::status<ProtectionOvervoltageInputForm>(43, QObject::tr("Повышенное напряжение"), icons),
        MenuItem::status<ProtectionUndervoltageInputForm>(58, QObject::tr("Пониженное напряжение"), icons),
        MenuItem::status<ProtectionImbalanceVoltageInputForm>(73, QObject::tr("Дисбаланс напряжения"), icons),
        MenuItem::status<ProtectionImbalanceCurrentInputForm>(88, QObject::tr("Дисбаланс входных токов"), icons),
        MenuItem::status<ProtectionPhaseRotationForm>(103, QObject::tr("Чередование фаз"), icons),
        MenuItem::child<ProtectionPowerOffForm>(QObject::tr("Отключение питания сети"), powerOff,
                                                QStringLiteral(":/images/on_protection")),
    };
}

Pages ProtectionsSupplyMenu::createNextForm()
{
    return pages(items());
}

void ProtectionsSupplyMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
