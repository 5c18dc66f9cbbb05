#include "equipment/vsd_service_temperature_form.h"

#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_menu.h"

VsdTemperatureForm::VsdTemperatureForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdTemperatureForm"));
    setTitle(tr("Контроль температуры"));
}

void VsdTemperatureForm::createForm()
{
    using R = VsdServiceRow;
    const PairList sensorMode{{0, tr("Только все")}, {1, tr("До последнего")}, {2, tr("Критический")}};
    const PairList sign{{-1, QStringLiteral("-")}, {1, QStringLiteral("+")}};
    // Kind, id, register, choices
    VsdServiceMenu::addRows(this, {
        {R::Edit, 10051, QStringLiteral(" (34)")},
        {R::Edit, 10052, QStringLiteral(" (35)")},
        {R::Edit, 10053, QStringLiteral(" (36)")},
        {R::Choice, 10455, QString(), sensorMode},
        {R::Edit, 10451, QStringLiteral(" (206)")},
        {R::Edit, 10452, QStringLiteral(" (207)")},
        {R::Edit, 10453, QStringLiteral(" (208)")},
        {R::Choice, 1637, QString(), sign},
        {R::Edit, 10531, QStringLiteral(" (41)")},
        {R::Edit, 10532, QStringLiteral(" (39)")},
    });
}

void VsdTemperatureForm::returnBackForm()
{
    showMenuPage<VsdMenu, VsdServiceMenu>();
}
