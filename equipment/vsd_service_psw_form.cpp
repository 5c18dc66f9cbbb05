#include "equipment/vsd_service_psw_form.h"

#include "equipment/vsd_menu.h"
#include "equipment/vsd_service_menu.h"
#include "texts/common.h"

VsdServicePswForm::VsdServicePswForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("VsdServicePswForm"));
    setTitle(tr("Слова состояния"));
}

void VsdServicePswForm::createForm()
{
    using R = VsdServiceRow;
    const auto saved = [](quint16 id) { return tr("Сохранённое") + QLatin1Char(' ') + Common::getTextFromId(id); };
    // Kind, id, register, choices, label
    VsdServiceMenu::addRows(this, {
        {R::Value, 10056, QStringLiteral(" (92)")},
        {R::Value, 887, QString(), PairList(), saved(887)},
        {R::Value, 10109, QStringLiteral(" (93)")},
        {R::Value, 888, QString(), PairList(), saved(888)},
        {R::Value, 10149, QStringLiteral(" (94)")},
        {R::Value, 10311, QStringLiteral(" (205)")},
        {R::Value, 10043, QStringLiteral(" (121)")},
        {R::Value, 10131, QStringLiteral(" (95)")},
        {R::Value, 889, QString(), PairList(), saved(889)},
    });
}

void VsdServicePswForm::returnBackForm()
{
    showMenuPage<VsdMenu, VsdServiceMenu>();
}
