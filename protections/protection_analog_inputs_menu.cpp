#include "protections/protection_analog_inputs_menu.h"

#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

ProtectionAnalogInputsMenu::ProtectionAnalogInputsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("ProtectionAnalogInputsMenu"));
    setTitle(QObject::tr("Защиты по аналоговым входам"));
}

void ProtectionAnalogInputsMenu::createForm()
{
}

void ProtectionAnalogInputsMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
