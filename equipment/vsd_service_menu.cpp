#include "equipment/vsd_service_menu.h"

#include <QTimer>

#include "app/parameters.h"
#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_additional_form.h"
#include "equipment/vsd_service_hardware_form.h"
#include "equipment/vsd_service_indication_param_form.h"
#include "equipment/vsd_service_indication_temperature_form.h"
#include "equipment/vsd_service_psw_form.h"
#include "equipment/vsd_service_temperature_form.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

namespace {

constexpr quint16 kVsdType = 685;
constexpr quint16 kResetDefaults = 772;

} // namespace

VsdServiceMenu::VsdServiceMenu(QWidget* parent)
    : BaseMenu(parent, &VsdServiceMenu::items)
{
    setObjectName(QStringLiteral("VsdServiceMenu"));
    setTitle(tr("Сервисное меню ЧРП"));
}

PairList VsdServiceMenu::onOff()
{
    return PairList{{0, Common::getTextOnOff(0)}, {1, Common::getTextOnOff(1)}};
}

void VsdServiceMenu::addRows(BaseForm* form, const QList<VsdServiceRow>& rows)
{
    for (const VsdServiceRow& row : rows) {
        const QString name = (row.label.isEmpty() ? Common::getTextFromId(row.id) : row.label) + row.suffix;
        switch (row.kind) {
        case VsdServiceRow::Edit:
            form->addEdit(name, row.id);
            break;
        case VsdServiceRow::Value:
            form->addStatusNum(name, row.id, false);
            break;
        case VsdServiceRow::Choice:
            form->addComboBox(name, row.id, row.choices);
            break;
        }
    }
}

QList<MenuItem> VsdServiceMenu::items()
{
    const MenuItem reset = MenuItem::action(tr("Сбросить уставки по умолчанию"), SLOT(showResetDefaultDialog()));
    switch (selector(kVsdType)) {
    case 1:
        return {
            MenuItem::child<VsdServiceIndicationParamForm>(tr("Индикация параметров")),
            MenuItem::child<VsdServiceAdditionalForm>(tr("Дополнительные параметры")),
            MenuItem::child<VsdServicePswForm>(tr("Слова состояния")),
            MenuItem::child<VsdTemperatureForm>(tr("Контроль температуры")),
            MenuItem::child<VsdServiceIndicationTemperatureForm>(tr("Индикация температур")),
            MenuItem::child<VsdServiceHardwareForm>(tr("Аппаратура ЧРП")),
            reset,
        };
    case 2:
        return {MenuItem::row([](BaseForm* menu) { addRows(menu, danfossRows()); }), reset};
    case 3:
        return {MenuItem::row([](BaseForm* menu) { addRows(menu, etalonRows()); }), reset};
    default:
        return {};
    }
}

QList<VsdServiceRow> VsdServiceMenu::danfossRows()
{
    using R = VsdServiceRow;
    const PairList fan{{0, QStringLiteral("Auto")}, {1, QStringLiteral("50%")}, {2, QStringLiteral("75%")},
                       {3, QStringLiteral("100%")}, {4, QStringLiteral("Auto low")}};
    // Kind, id
    return {
        {R::Edit, 986},
        {R::Edit, 10161},
        {R::Edit, 10021},
        {R::Edit, 10164},
        {R::Edit, 10165},
        {R::Edit, 10166},
        {R::Edit, 10167},
        {R::Edit, 10170},
        {R::Edit, 10175},
        {R::Edit, 10185},
        {R::Edit, 10187},
        {R::Edit, 10198},
        {R::Edit, 776},
        {R::Choice, 10229, QString(), onOff()},
        {R::Edit, 10232},
        {R::Edit, 10235},
        {R::Edit, 10236},
        {R::Edit, 10237},
        {R::Edit, 10238},
        {R::Value, 10512},
        {R::Edit, 10254},
        {R::Edit, 10255},
        {R::Edit, 10548},
        {R::Edit, 10549},
        {R::Edit, 10233},
        {R::Choice, 10239, QString(), fan},
    };
}

QList<VsdServiceRow> VsdServiceMenu::etalonRows()
{
    using R = VsdServiceRow;
    const PairList source{{0, tr("ЧРП")}, {1, tr("РВК")}};
    // Kind, id, register suffix, choices
    return {
        {R::Edit, 10301},
        {R::Edit, 10087},
        {R::Edit, 10284},
        {R::Edit, 10285},
        {R::Edit, 10310},
        {R::Edit, 10287},
        {R::Edit, 10077},
        {R::Edit, 10088},
        {R::Edit, 10468},
        {R::Edit, 10299},
        {R::Edit, 10298},
        {R::Edit, 10339},
        {R::Edit, 10551},
        {R::Edit, 10520},
        {R::Edit, 10521},
        {R::Edit, 10530},
        {R::Edit, 10525},
        {R::Edit, 10522},
        {R::Edit, 10492, QStringLiteral(" (164)")},
        {R::Edit, 10317},
        {R::Value, 10008},
        {R::Edit, 10318},
        {R::Value, 10009},
        {R::Edit, 10319},
        {R::Value, 10010},
        {R::Edit, 10267},
        {R::Value, 10314},
        {R::Edit, 10268},
        {R::Value, 10315},
        {R::Edit, 10269},
        {R::Value, 10316},
        {R::Edit, 10270},
        {R::Value, 10012},
        {R::Edit, 10271},
        {R::Edit, 10272},
        {R::Value, 10004},
        {R::Edit, 10508},
        {R::Value, 10330},
        {R::Edit, 10515},
        {R::Edit, 10550},
        {R::Edit, 10335},
        {R::Choice, 10329, QString(), source},
        {R::Value, 10380},
        {R::Value, 10381},
        {R::Value, 10469},
        {R::Value, 10523},
        {R::Edit, 10526},
        {R::Choice, 10528, QString(), onOff()},
        {R::Edit, 10527},
        {R::Edit, 10529},
        {R::Choice, 10519, QString(), onOff()},
        {R::Choice, 10288, QString(), onOff()},
        {R::Edit, 10065},
        {R::Edit, 10302},
        {R::Edit, 10303},
    };
}

Pages VsdServiceMenu::createNextForm()
{
    return pages(items());
}

void VsdServiceMenu::showResetDefaultDialog()
{
    if (!sendCommand(kResetDefaults, 1, true, tr("Сбросить значения уставок по умолчанию?")))
        return;
    // An "Эталон" drive takes a while to apply its defaults.
    if (value(kVsdType) == 3.0f) {
        auto* wait = new ProgressBarDialog(tr("Ожидание применения..."), mainWindow(), 0, true);
        wait->show();
        QTimer::singleShot(UiClock::resetWaitMs(), wait, &QObject::deleteLater);
    }
}

void VsdServiceMenu::returnBackForm()
{
    showMenuPage<EquipmentMenu, VsdMenu>();
}
