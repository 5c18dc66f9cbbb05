#include "protections/protection_digital_inputs_menu.h"

#include "protections/protection_digital_input_forms.h"
#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

namespace {

constexpr quint16 kExtensionBoard = 1644;

template <class Page>
MenuItem input(const PairList& icons, bool shown = true)
{
    return MenuItem::status<Page>(ProtectionDigitalInputForm::inputIds(Page::kInput)->protectionAction,
                                  ProtectionDigitalInputForm::inputTitle(Page::kInput), icons, shown);
}

} // namespace

ProtectionDigitalInputsMenu::ProtectionDigitalInputsMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionDigitalInputsMenu::items)
{
    setObjectName(QStringLiteral("ProtectionDigitalInputsMenu"));
    setTitle(QObject::tr("Защиты по цифровым входам"));
}

QList<MenuItem> ProtectionDigitalInputsMenu::items()
{
    // Off, block and restart: the actions these protections offer.
    const PairList icons = BaseProtectionForm::actionIcons(3);
    const bool extension = selector(kExtensionBoard) != 0;
    return {
        input<ProtectionDigitalInput1Form>(icons),
        input<ProtectionDigitalInput2Form>(icons),
        input<ProtectionDigitalInput3Form>(icons),
        input<ProtectionDigitalInput4Form>(icons),
        input<ProtectionDigitalInput7Form>(icons),
        input<ProtectionDigitalInput8Form>(icons),
        input<ProtectionDigitalInput9Form>(icons),
        input<ProtectionDigitalInput10Form>(icons),
        input<ProtectionDigitalInput13Form>(icons, extension),
        input<ProtectionDigitalInput14Form>(icons, extension),
        input<ProtectionDigitalInput15Form>(icons, extension),
        input<ProtectionDigitalInput16Form>(icons, extension),
        input<ProtectionDigitalInput17Form>(icons, extension),
        input<ProtectionDigitalInput18Form>(icons, extension),
        input<ProtectionDigitalInput19Form>(icons, extension),
        input<ProtectionDigitalInput20Form>(icons, extension),
        input<ProtectionDigitalInput21Form>(icons, extension),
        input<ProtectionDigitalInput22Form>(icons, extension),
        input<ProtectionDigitalInput23Form>(icons, extension),
        input<ProtectionDigitalInput24Form>(icons, extension),
    };
}

Pages ProtectionDigitalInputsMenu::createNextForm()
{
    return pages(items());
}

void ProtectionDigitalInputsMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
