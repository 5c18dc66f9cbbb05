#include "protections/protections_dhs_menu.h"

#include "protections/baseprotectionform.h"
#include "protections/protection_connect_dhs_form.h"
#include "protections/protection_flow_discharge_form.h"
#include "protections/protection_pressure_discharge_form.h"
#include "protections/protection_pressure_intake_form.h"
#include "protections/protection_temperature_intake_form.h"
#include "protections/protection_temperature_motor_form.h"
#include "protections/protection_vibration_motor_form.h"
#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

ProtectionsDhsMenu::ProtectionsDhsMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionsDhsMenu::items)
{
    setObjectName(QStringLiteral("ProtectionsDhsMenu"));
    setTitle(QObject::tr("Защиты по ТМС"));
}

QList<MenuItem> ProtectionsDhsMenu::items()
{
    const PairList icons = BaseProtectionForm::actionIcons();
    return {
        MenuItem::status<ProtectionPressureIntakeForm>(208, QObject::tr("Давление на приёме насоса"), icons),
        MenuItem::status<ProtectionPressureDischargeForm>(936, QObject::tr("Давление на выкиде насоса"), icons),
        MenuItem::status<ProtectionTemperatureMotorForm>(223, QObject::tr("Температура двигателя"), icons),
        MenuItem::status<ProtectionVibrationMotorForm>(253, QObject::tr("Вибрация двигателя"), icons),
        MenuItem::status<ProtectionFlowDischargeForm>(918, QObject::tr("Минимальный расход"), icons),
        MenuItem::status<ProtectionTemperatureIntakeForm>(2056, QObject::tr("Температура на приёме"), icons),
        MenuItem::status<ProtectionConnectDhsForm>(2088, QObject::tr("Потеря связи с ТМС"), icons),
    };
}

Pages ProtectionsDhsMenu::createNextForm()
{
    return pages(items());
}

void ProtectionsDhsMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
