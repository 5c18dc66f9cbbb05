#include "equipment/vsd_service_indication_param_form.h"

#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_menu.h"

VsdServiceIndicationParamForm::VsdServiceIndicationParamForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdServiceIndicationParamForm"));
    setTitle(tr("Индикация параметров"));
}

void VsdServiceIndicationParamForm::createForm()
{
    using R = VsdServiceRow;
    const QString phaseCurrent = tr("Гарм/вект. ток фазы");
    // Kind, id, register, choices, label
    VsdServiceMenu::addRows(this, {
        {R::Value, 10130, QStringLiteral(" (187)")},
        {R::Value, 10121, QStringLiteral(" (188)")},
        {R::Value, 10346, QStringLiteral(" (184)")},
        {R::Value, 10465, QStringLiteral(" A (181)")},
        {R::Value, 10466, QStringLiteral(" B (182)")},
        {R::Value, 10467, QStringLiteral(" C (183)")},
        {R::Value, 10008, QStringLiteral(" A (191)"), PairList(), phaseCurrent},
        {R::Value, 10009, QStringLiteral(" B (193)"), PairList(), phaseCurrent},
        {R::Value, 10010, QStringLiteral(" C (195)"), PairList(), phaseCurrent},
        {R::Value, 10120, QStringLiteral(" (192)")},
        {R::Value, 10093, QStringLiteral(" (194)")},
        {R::Value, 10095, QStringLiteral(" (196)")},
    });
}

void VsdServiceIndicationParamForm::returnBackForm()
{
    showMenuPage<VsdMenu, VsdServiceMenu>();
}
