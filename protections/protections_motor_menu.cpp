#include "protections/protections_motor_menu.h"

#include "protections/baseprotectionform.h"
#include "protections/protection_current_motor_form.h"
#include "protections/protection_imbalance_current_motor_form.h"
#include "protections/protection_out_of_sync_motor_form.h"
#include "protections/protection_overload_motor_form.h"
#include "protections/protection_turbine_rotation_form.h"
#include "protections/protection_underload_motor_form.h"
#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

ProtectionsMotorMenu::ProtectionsMotorMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionsMotorMenu::items)
{
    setObjectName(QStringLiteral("ProtectionsMotorMenu"));
    setTitle(QObject::tr("Защиты двигателя"));
}

QList<MenuItem> ProtectionsMotorMenu::items()
{
    const bool permanentMagnet = value(782) == 1.0f;
    const PairList icons = BaseProtectionForm::actionIcons();
    return {
        MenuItem::status<ProtectionOverloadMotorForm>(118, QObject::tr("Перегруз (ЗП)"), icons),
        MenuItem::status<ProtectionUnderloadMotorForm>(133, QObject::tr("Недогруз (ЗСП)"), icons),
        MenuItem::status<ProtectionImbalanceCurrentMotorForm>(163, QObject::tr("Дисбаланс токов двигателя"), icons),
        MenuItem::status<ProtectionTurbineRotationForm>(178, QObject::tr("Турбинное вращение"), icons),
        MenuItem::status<ProtectionCurrentMotorForm>(148, QObject::tr("Предел тока двигателя"), icons),
        MenuItem::status<ProtectionOutOfSyncMotorForm>(193, QObject::tr("Рассинхронизация ПВЭД"), icons,
                                                       permanentMagnet),
    };
}

Pages ProtectionsMotorMenu::createNextForm()
{
    return pages(items());
}

void ProtectionsMotorMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
