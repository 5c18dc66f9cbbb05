#include "protections/protection_lock_door_form.h"

#include "protections/baseprotectionform.h"
#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"
#include "texts/common.h"

ProtectionLockDoorForm::ProtectionLockDoorForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("ProtectionLockDoorForm"));
    setTitle(QObject::tr("Защита от открытия двери"));
}

void ProtectionLockDoorForm::createForm()
{
    addComboBox(402, BaseProtectionForm::protModes({0, 3}));
    if (value(685) == 3.0f)
        addComboBox(10540, BaseProtectionForm::choices(&Common::getTextVSdDoor, {0, 1, 2}));
}

void ProtectionLockDoorForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}
