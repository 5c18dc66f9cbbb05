#include "equipment/dhs_menu.h"

#include "equipment/dhs_connect_form.h"
#include "equipment/dhs_setting_form.h"
#include "equipment/equipmentmenu.h"
#include "screens/dhsconfigurationform.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {

constexpr quint16 kType = 39;
constexpr quint16 kInterface = 1102;
constexpr quint16 kSurfaceDesign = 15029;
constexpr int kTypeCount = 26;
constexpr int kConfigurable = 17;

int dhsType()
{
    return Common::toInt(BaseForm::value(kType));
}

} // namespace

DhsMenu::DhsMenu(QWidget* parent)
    : BaseMenu(parent, &DhsMenu::items)
{
    setObjectName(QStringLiteral("DhsMenu"));
    setTitle(tr("ТМС"));
}

QList<MenuItem> DhsMenu::table(int type, bool listAll)
{
    const bool fitted = type != 0;
    return {
        MenuItem::row([](BaseForm* menu) {
            PairList types;
            for (int code = 0; code < kTypeCount; ++code)
                types.append(code, Common::getTextDhsType(static_cast<typeDHS>(code)));
            menu->addComboBox(kType, types);
        }),
        MenuItem::row([](BaseForm* menu) {
            PairList interfaces;
            for (int code = 0; code <= 1; ++code)
                interfaces.append(code, Common::getTextDhsInterface(static_cast<unsigned short>(code)));
            menu->addComboBox(kInterface, interfaces);
        }, fitted),
        MenuItem::child<DhsSettingForm>(tr("Параметры ТМС"), fitted || listAll),
        MenuItem::child<DhsConnectForm>(tr("Параметры связи ТМС"), fitted || listAll),
        MenuItem::child<DhsConfigurationForm>(tr("Конфигурация ТМС"), type == kConfigurable),
    };
}

QList<MenuItem> DhsMenu::items()
{
    return table(dhsType(), false);
}

Pages DhsMenu::createNextForm()
{
    return pages(table(dhsType(), true));
}

void DhsMenu::createForm()
{
    BaseMenu::createForm();
    rebuildOnUpdate({kType, kSurfaceDesign}, &EquipmentMenu::createNextForm);
}

void DhsMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
