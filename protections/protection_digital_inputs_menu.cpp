#include "protections/protection_digital_inputs_menu.h"

#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

ProtectionDigitalInputsMenu::ProtectionDigitalInputsMenu(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("ProtectionDigitalInputsMenu"));
    setTitle(QObject::tr("Защиты по цифровым входам"));
}

void ProtectionDigitalInputsMenu::createForm()
{
}

void ProtectionDigitalInputsMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
