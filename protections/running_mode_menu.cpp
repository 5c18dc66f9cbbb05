#include "protections/running_mode_menu.h"

#include <QByteArray>

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/run_auto_adaptation_form.h"
#include "protections/run_auto_setting_motor_form.h"
#include "protections/run_didezor_mode_form.h"
#include "protections/run_direct_mode_form.h"
#include "protections/run_high_moment_form.h"
#include "protections/run_pickup_mode_form.h"
#include "protections/run_push_mode_form.h"
#include "protections/run_skip_resonant_freq_form.h"
#include "protections/run_soft_mode_form.h"
#include "protections/run_swing_mode_form.h"
#include "protections/run_synchron_freq_form.h"

namespace {

constexpr quint16 kVsdType = 685;
constexpr quint16 kMotorType = 782;
constexpr quint16 kControlType = 10006;
constexpr quint16 kBypassContactors = 1052;
constexpr quint16 kMeterLink = 704;
constexpr quint16 kNetworkSync = 10504;

// The start modes offered, top to bottom, by drive, motor and control type (-1: any): an upper-case key always,
// "d" and "s" only while the drive can start directly, "r" only for the Didezor group of companies.
struct Offer {
    int drive;
    int motor;
    int control;
    const char* keys;
};
constexpr Offer kOffers[] = {
    {1, 0, -1, "PJWYTr"},
    {1, 1, 0, "PJWYTH"},
    {1, 1, 1, "PJWYTH"},
    {2, 0, -1, "PJWYKdr"},
    {2, 1, 0, "PJWYKHRT"},
    {2, 1, 1, "PYKTA"},
    {3, 0, -1, "PJWYKdsr"},
    {3, 1, 0, "PJWYKR"},
    {3, 1, 1, "PYK"},
};

QByteArray offered()
{
    const int drive = BaseForm::selector(kVsdType);
    const int motor = BaseForm::selector(kMotorType);
    const int control = BaseForm::selector(kControlType);
    for (const Offer& offer : kOffers) {
        if (offer.drive == drive && offer.motor == motor && (offer.control < 0 || offer.control == control))
            return QByteArray(offer.keys);
    }
    return QByteArray();
}

// Danfoss starts directly through its bypass contactors with the meter's readings; "Эталон" not while it
// synchronises with the network.
bool directStart()
{
    if (BaseForm::selector(kVsdType) == 2)
        return BaseForm::selector(kBypassContactors) != 0 && BaseForm::selector(kMeterLink) != 0;
    return BaseForm::value(kNetworkSync) != 5.0f;
}

MenuItem startMode(char key, const PairList& icons, bool shown)
{
    switch (key) {
    case 'P': return MenuItem::status<RunPickupModeForm>(691, QObject::tr("Подхват"), icons, shown);
    case 'J': return MenuItem::status<RunPushModeForm>(673, QObject::tr("Толчковый"), icons, shown);
    case 'W': return MenuItem::status<RunSwingModeForm>(680, QObject::tr("С раскачкой"), icons, shown);
    case 'Y': return MenuItem::status<RunSynchronFreqForm>(1020, QObject::tr("Пуск с синхронизацией"), icons, shown);
    case 'K':
        return MenuItem::status<RunSkipResonantFreqForm>(1012, QObject::tr("Пропуск резонансных частот"), icons, shown);
    case 'T': return MenuItem::status<RunAutoSettingMotorForm>(1447, QObject::tr("Автонастройка"), icons, shown);
    case 'H':
        return MenuItem::status<RunHighMomentForm>(1336, QObject::tr("Пуск с увеличенным моментом"), icons, shown);
    case 'R': return MenuItem::status<RunDidezorModeForm>(1000, QObject::tr("Спецалгоритмы Zazarere"), icons, shown);
    case 'D': return MenuItem::status<RunDirectModeForm>(1057, QObject::tr("Прямой пуск"), icons, shown);
    case 'S':
        return MenuItem::status<RunSoftModeForm>(1122, QObject::tr("Режим \"мягкого\" пуска"), icons, shown);
    default:  // 'A'
        return MenuItem::status<RunAutoAdaptationForm>(783, QObject::tr("Автоадаптация"), icons, shown);
    }
}

} // namespace

RunningModeMenu::RunningModeMenu(QWidget* parent)
    : BaseMenu(parent, &RunningModeMenu::items)
{
    setObjectName(QStringLiteral("RunningModeMenu"));
    setTitle(QObject::tr("Режимы пуска"));
}

QList<MenuItem> RunningModeMenu::items()
{
    // Off, once, permanently (three-way switches); on (two-way switches).
    const PairList icons = ModeRows::switchIcons(QStringLiteral(":/images/restart_protection"));
    const bool direct = directStart();
    const bool group = isDidezorGroupCompany();
    QList<MenuItem> list;
    for (const char key : offered()) {
        const bool shown = key == 'r' ? group : (key == 'd' || key == 's') ? direct : true;
        list << startMode(static_cast<char>(key & ~0x20), icons, shown);
    }
    return list;
}

Pages RunningModeMenu::createNextForm()
{
    return pages(items());
}

void RunningModeMenu::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
