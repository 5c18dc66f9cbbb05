#include "protections/vsd_no_connect_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"

VsdNoConnectForm::VsdNoConnectForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("VsdNoConnectForm"));
    setTitle(QObject::tr("Защита от потери связи с ЧРП"));
}

void VsdNoConnectForm::createForm()
{
    addActionRows(778, {0, 3});
    addEdits({779});
    addButtonResetDefault(780);
}

void VsdNoConnectForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}
