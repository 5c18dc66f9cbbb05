#include "equipment/vsd_service_additional_form.h"

#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_menu.h"

VsdServiceAdditionalForm::VsdServiceAdditionalForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdServiceAdditionalForm"));
    setTitle(tr("Дополнительные параметры"));
}

void VsdServiceAdditionalForm::createForm()
{
    using R = VsdServiceRow;
    PairList rate;
    const char* const kRates[] = {"500", "250", "125", "62", "31", "16"};
    for (int key = 1; key <= 6; ++key)
        rate.append(key, QString::fromLatin1(kRates[key - 1]) + tr("Гц/с"));
    // Kind, id, register, choices
    VsdServiceMenu::addRows(this, {
        {R::Edit, 10135, QStringLiteral(" (123)")},
        {R::Edit, 10136, QStringLiteral(" (124)")},
        {R::Choice, 10058, QString(), rate},
        {R::Choice, 10059, QString(), rate},
        {R::Value, 10047, QStringLiteral(" (30)")},
        {R::Value, 10048, QStringLiteral(" (31)")},
        {R::Edit, 10049, QStringLiteral(" (32)")},
        {R::Edit, 10050, QStringLiteral(" (33)")},
        // The display name ends in "(128)" already.
        {R::Edit, 10068, QStringLiteral(" (128)")},
        {R::Edit, 10497, QStringLiteral(" (176)")},
        {R::Edit, 10496, QStringLiteral(" (214(D6h))")},
    });
}

void VsdServiceAdditionalForm::returnBackForm()
{
    showMenuPage<VsdMenu, VsdServiceMenu>();
}
