#include "protections/protection_connect_dhs_form.h"

#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"

ProtectionConnectDhsForm::ProtectionConnectDhsForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionConnectDhsForm"));
    setTitle(QObject::tr("Потеря связи с ТМС"));
}

void ProtectionConnectDhsForm::createForm()
{
    addActionRows(2088, {0, 1, 2}, 2107);
    const quint16 action = selector(2088);
    if (action != 0)
        addEdits({2090, 2091});
    if (action == 2)
        addEdits({2092, 2093, 2094});
    addButtonResetDefault(2108);
    rebuildOnUpdate({2088}, &ProtectionsDhsMenu::createNextForm);
}

void ProtectionConnectDhsForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsDhsMenu>();
}
