#include "protections/protection_overnumber_of_start_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"

ProtectionOvernumberOfStartForm::ProtectionOvernumberOfStartForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionOvernumberOfStartForm"));
    setTitle(QObject::tr("Защита от превышения числа пусков"));
}

void ProtectionOvernumberOfStartForm::createForm()
{
    addActionRows(388, {0, 1});
    addEdits({395, 397});
    addButtonResetDefault(917);
}

void ProtectionOvernumberOfStartForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}
