#include "protections/hardware_vsd_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"
#include "texts/common.h"

HardwareVsdForm::HardwareVsdForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("HardwareVsdForm"));
    setTitle(QObject::tr("Аппаратные защиты ЧРП"));
}

void HardwareVsdForm::createForm()
{
    addActionRows(417, {1, 2}, 1498);
    addEdits({421, 422, 423});
    if (value(685) == 1.0f) {
        addEdits({10232, 10084, 10187});
        // The drive's own register numbers tell apart three limiter rows of like names.
        addEdit(Common::getTextFromId(10133) + QStringLiteral(" (129)"), 10133);
        addEdit(Common::getTextFromId(10134) + QStringLiteral(" (130)"), 10134);
        addEdit(Common::getTextFromId(10145) + QStringLiteral(" (132)"), 10145);
        addEdits({10458, 10545});
    }
    addButtonResetDefault(726);
}

void HardwareVsdForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}
