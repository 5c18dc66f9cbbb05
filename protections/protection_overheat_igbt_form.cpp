#include "protections/protection_overheat_igbt_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"

ProtectionOverheatIgbtForm::ProtectionOverheatIgbtForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionOverheatIgbtForm"));
    setTitle(QObject::tr("Перегрев радиатора"));
}

void ProtectionOverheatIgbtForm::createForm()
{
    addActionRows(1560, {0, 1, 2}, 1577);
    addEdit(1567);
    addStatusNum(10246);
    addEdits({1562, 1563, 1568, 1564, 1565, 1566});
    addButtonResetDefault(1578);
}

void ProtectionOverheatIgbtForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}
