#include "protections/protection_phase_rotation_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_supply_menu.h"
#include "texts/common.h"

ProtectionPhaseRotationForm::ProtectionPhaseRotationForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionPhaseRotationForm"));
    setTitle(QObject::tr("Чередование фаз"));
}

void ProtectionPhaseRotationForm::createForm()
{
    addActionRows(103, {0, 3});
    addComboBox(110, choices(&Common::getTextPhaseRotation, {0, 1}));
    addButtonResetDefault(606);
}

void ProtectionPhaseRotationForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsSupplyMenu>();
}
