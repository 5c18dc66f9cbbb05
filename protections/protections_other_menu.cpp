#include "protections/protections_other_menu.h"

#include "protections/baseprotectionform.h"
#include "protections/hardware_vsd_form.h"
#include "protections/protection_lock_door_form.h"
#include "protections/protection_overheat_igbt_form.h"
#include "protections/protection_overheat_input_filter_form.h"
#include "protections/protection_overnumber_of_start_form.h"
#include "protections/protection_resistance_isolation_form.h"
#include "protections/protections_menu.h"
#include "protections/vsd_no_connect_form.h"
#include "screens/mainmenu.h"

ProtectionsOtherMenu::ProtectionsOtherMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionsOtherMenu::items)
{
    setObjectName(QStringLiteral("ProtectionsOtherMenu"));
    setTitle(QObject::tr("Защиты прочие"));
}

QList<MenuItem> ProtectionsOtherMenu::items()
{
    const PairList icons = BaseProtectionForm::actionIcons();
    return {
        MenuItem::status<ProtectionResistanceIsolationForm>(238, QObject::tr("Сопротивление изоляции"), icons),
        MenuItem::status<ProtectionOvernumberOfStartForm>(388, QObject::tr("Защита от превышения числа пусков"), icons),
        MenuItem::status<ProtectionLockDoorForm>(402, QObject::tr("Защита открытия двери станции"), icons),
        MenuItem::status<HardwareVsdForm>(417, QObject::tr("Аппаратные защиты ЧРП"), icons),
        MenuItem::status<VsdNoConnectForm>(778, QObject::tr("Защита от потери связи с ЧРП"), icons),
        MenuItem::status<ProtectionOverheatInputFilterForm>(967, QObject::tr("Защита от перегрева фильтра"), icons,
                                                            isShowProtectionOverheatInputFilter()),
        MenuItem::status<ProtectionOverheatIgbtForm>(1560, QObject::tr("Перегрев радиатора"), icons),
    };
}

Pages ProtectionsOtherMenu::createNextForm()
{
    return pages(items());
}

bool ProtectionsOtherMenu::isShowProtectionOverheatInputFilter()
{
    const quint16 vsdType = selector(685);
    return vsdType == 1 || vsdType == 2;
}

void ProtectionsOtherMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
