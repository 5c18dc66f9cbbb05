#include "protections/protection_power_off_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_supply_menu.h"
#include "texts/common.h"

ProtectionPowerOffForm::ProtectionPowerOffForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionPowerOffForm"));
    setTitle(QObject::tr("Отключение питания сети"));
}

void ProtectionPowerOffForm::createForm()
{
    PairList times;
    for (int ms : {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500, 2000})
        times.append(ms, QStringLiteral("%1 %2").arg(ms).arg(Common::getTextUnitTime(2)));
    addComboBox(1476, times);
}

void ProtectionPowerOffForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsSupplyMenu>();
}
