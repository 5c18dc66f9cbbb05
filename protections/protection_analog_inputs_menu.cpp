#include "protections/protection_analog_inputs_menu.h"

#include "protections/protection_analog_input_forms.h"
#include "protections/protections_menu.h"
#include "screens/mainmenu.h"

namespace {

template <class Page>
MenuItem input(const PairList& icons)
{
    const AnalogInputIds* ids = ProtectionAnalogInputForm::inputIds(Page::kInput);
    return MenuItem::status<Page>(ProtectionAnalogInputsMenu::getIdIcon(ids->action, ids->actionMax),
                                  ProtectionAnalogInputForm::inputTitle(Page::kInput), icons);
}

} // namespace

ProtectionAnalogInputsMenu::ProtectionAnalogInputsMenu(QWidget* parent)
    : BaseMenu(parent, &ProtectionAnalogInputsMenu::items)
{
    setObjectName(QStringLiteral("ProtectionAnalogInputsMenu"));
    setTitle(QObject::tr("Защиты по аналоговым входам"));
}

QList<MenuItem> ProtectionAnalogInputsMenu::items()
{
    // Off, block and restart: the actions these protections offer.
    const PairList icons = BaseProtectionForm::actionIcons(3);
    return {
        input<ProtectionAnalogInput1Form>(icons),
        input<ProtectionAnalogInput2Form>(icons),
        input<ProtectionAnalogInput3Form>(icons),
        input<ProtectionAnalogInput4Form>(icons),
    };
}

Pages ProtectionAnalogInputsMenu::createNextForm()
{
    return pages(items());
}

quint16 ProtectionAnalogInputsMenu::getIdIcon(quint16 minId, quint16 maxId)
{
    return value(maxId) > value(minId) ? maxId : minId;
}

void ProtectionAnalogInputsMenu::returnBackForm()
{
    showMenuPage<MainMenu, ProtectionsMenu>();
}
