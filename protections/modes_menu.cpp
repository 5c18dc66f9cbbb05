#include "protections/modes_menu.h"

#include "protections/alternation_freq_mode_form.h"
#include "protections/current_limit_mode_form.h"
#include "protections/delayed_start_form.h"
#include "protections/jarring_mode_form.h"
#include "protections/maintenance_mode_form.h"
#include "protections/mode_rows.h"
#include "protections/optimization_voltage_mode_form.h"
#include "protections/periodic_mode_form.h"
#include "protections/pumping_gas_mode_form.h"
#include "protections/soft_change_freq_mode_form.h"
#include "screens/mainmenu.h"
#include "screens/technologparamsmenu.h"

namespace {
constexpr quint16 kVsdType = 685;
constexpr quint16 kSpecialAlgorithms = 1000;
}

ModesMenu::ModesMenu(QWidget* parent)
    : BaseMenu(parent, &ModesMenu::items)
{
    setObjectName(QStringLiteral("ModesMenu"));
    setTitle(QObject::tr("Режимы"));
}

QList<MenuItem> ModesMenu::items()
{
    const quint16 drive = selector(kVsdType);
    const bool currentLimit = drive == 1 || drive == 3;
    // Without one of these drives there are no special algorithms to give way to.
    const bool gas = drive < 1 || drive > 3 || selector(kSpecialAlgorithms) == 0;
    // The modes write 0 (off) or 3 (on); the programmed change takes 1 (once) and 2 (permanently) too.
    const PairList icons = ModeRows::switchIcons(QStringLiteral(":/images/on_protection"));
    return {
        MenuItem::status<PeriodicModeForm>(447, QObject::tr("Периодика"), icons),
        MenuItem::status<AlternationFreqModeForm>(455, QObject::tr("Чередование частот"), icons),
        MenuItem::status<SoftChangeFreqModeForm>(464, QObject::tr("Программное изменение частоты (ВНР)"), icons),
        MenuItem::status<MaintenanceModeForm>(474, QObject::tr("Поддержание параметра"), icons),
        MenuItem::status<OptimizationVoltageModeForm>(494, QObject::tr("Оптимизация напряжения"), icons),
        MenuItem::status<CurrentLimitModeForm>(503, QObject::tr("Режим токоограничения"), icons, currentLimit),
        MenuItem::status<JarringModeForm>(483, QObject::tr("Встряхивание"), icons),
        MenuItem::status<PumpingGasModeForm>(499, QObject::tr("Прокачка газа"), icons, gas),
        MenuItem::status<DelayedStartForm>(955, QObject::tr("Отложенный пуск"), icons),
    };
}

Pages ModesMenu::createNextForm()
{
    return pages(items());
}

void ModesMenu::returnBackForm()
{
    showMenuPage<MainMenu, TechnologParamsMenu>();
}
