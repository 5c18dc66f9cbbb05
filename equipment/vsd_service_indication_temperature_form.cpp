#include "equipment/vsd_service_indication_temperature_form.h"

#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_menu.h"

VsdServiceIndicationTemperatureForm::VsdServiceIndicationTemperatureForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdServiceIndicationTemperatureForm"));
    setTitle(tr("Индикация температур"));
}

void VsdServiceIndicationTemperatureForm::createForm()
{
    using R = VsdServiceRow;
    // Kind, id, register
    VsdServiceMenu::addRows(this, {
        {R::Value, 10361, QStringLiteral(" (150)")},
        {R::Value, 10362, QStringLiteral(" (151)")},
        {R::Value, 10363, QStringLiteral(" (152)")},
        {R::Value, 10516, QStringLiteral(" (153)")},
        {R::Value, 10364, QStringLiteral(" (200)")},
        {R::Value, 10359, QStringLiteral(" (101)")},
        {R::Value, 10360, QStringLiteral(" (106)")},
        {R::Value, 10365, QStringLiteral(" (202)")},
        {R::Value, 10370, QStringLiteral(" (216)")},
        {R::Value, 10373, QStringLiteral(" (220)")},
        {R::Value, 10376, QStringLiteral(" (224)")},
        {R::Value, 10367, QStringLiteral(" (206)")},
        {R::Value, 10371, QStringLiteral(" (217)")},
        {R::Value, 10374, QStringLiteral(" (221)")},
        {R::Value, 10377, QStringLiteral(" (225)")},
        {R::Value, 10369, QStringLiteral(" (210)")},
        {R::Value, 10372, QStringLiteral(" (218)")},
        {R::Value, 10375, QStringLiteral(" (222)")},
        {R::Value, 10378, QStringLiteral(" (226)")},
        {R::Value, 10535},
        {R::Value, 10536},
        {R::Value, 10537},
        {R::Value, 10366, QStringLiteral(" (204)")},
        {R::Value, 10083, QStringLiteral(" (109)")},
        {R::Value, 10086, QStringLiteral(" (110)")},
        {R::Value, 10243, QStringLiteral(" (228)")},
        {R::Value, 10244, QStringLiteral(" (229)")},
        {R::Value, 10249, QStringLiteral(" (230)")},
        {R::Value, 10250, QStringLiteral(" (231)")},
        {R::Value, 10251, QStringLiteral(" (232)")},
        {R::Value, 10252, QStringLiteral(" (233)")},
        {R::Value, 10253, QStringLiteral(" (234)")},
        {R::Value, 10470, QStringLiteral(" (235)")},
        {R::Value, 10471, QStringLiteral(" (236)")},
        {R::Value, 10472, QStringLiteral(" (237)")},
        {R::Value, 10473, QStringLiteral(" (238)")},
        {R::Value, 10474, QStringLiteral(" (239)")},
        {R::Value, 10144},
        {R::Value, 10368},
        {R::Value, 10553},
    });
}

void VsdServiceIndicationTemperatureForm::returnBackForm()
{
    showMenuPage<VsdMenu, VsdServiceMenu>();
}
