#include "equipment/vsd_menu.h"

#include "equipment/equipmentmenu.h"
#include "equipment/vsd_connect_form.h"
#include "equipment/vsd_options_form.h"
#include "equipment/vsd_resonance_form.h"
#include "equipment/vsd_service_menu.h"
#include "equipment/vsd_uf_setting_form.h"
#include "equipment/vsd_vector_form.h"
#include "protections/running_mode_menu.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

VsdMenu::VsdMenu(QWidget* parent)
    : BaseMenu(parent, &VsdMenu::items)
{
    setObjectName(QStringLiteral("VsdMenu"));
    setTitle(tr("ЧРП"));
}

QList<MenuItem> VsdMenu::items()
{
    const bool own = selector(685) == 1;
    return {
        MenuItem::row([](BaseForm* menu) {
            PairList types;
            for (int code = 0; code <= 3; ++code)
                types.append(code, Common::getTextVsdType(code));
            menu->addComboBox(685, types);
        }),
        MenuItem::child<RunningModeMenu>(tr("Режимы пуска")),
        MenuItem::child<VsdOptionsForm>(tr("Настройки ЧРП")),
        MenuItem::child<VsdUfSettingForm>(tr("Настройка U/f")),
        MenuItem::child<VsdResonanceForm>(tr("Подавление резонанса"), own),
        MenuItem::child<VsdVectorForm>(tr("Векторный режим"), own),
        MenuItem::child<VsdServiceMenu>(tr("Сервисное меню ЧРП")),
        MenuItem::child<VsdConnectForm>(tr("Параметры связи с ЧРП")),
    };
}

Pages VsdMenu::createNextForm()
{
    return pages(items());
}

void VsdMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
