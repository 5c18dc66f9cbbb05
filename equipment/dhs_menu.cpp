#include "equipment/dhs_menu.h"

#include "equipment/dhs_connect_form.h"
#include "equipment/dhs_setting_form.h"
#include "equipment/equipmentmenu.h"
#include "screens/dhsconfigurationform.h"
#include "screens/mainmenu.h"
#include "texts/common.h"

DhsMenu::DhsMenu(QWidget* parent)
    : BaseMenu(parent, &DhsMenu::items)
{
    setObjectName(QStringLiteral("DhsMenu"));
    setTitle(tr("ТМС"));
}

QList<MenuItem> DhsMenu::items()
{
    const int type = Common::toInt(value(39));
    return {
        MenuItem::child<DhsSettingForm>(tr("Параметры ТМС"), type != 0),
        MenuItem::child<DhsConnectForm>(tr("Параметры связи ТМС"), type != 0),
        MenuItem::child<DhsConfigurationForm>(tr("Конфигурация ТМС"), type == 17),
    };
}

QList<BaseForm*> DhsMenu::createNextForm()
{
    return pages(items());
}

void DhsMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
