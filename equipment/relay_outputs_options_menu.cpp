#include "equipment/relay_outputs_options_menu.h"

#include "equipment/equipmentmenu.h"
#include "equipment/relay_outputs_options_10_form.h"
#include "equipment/relay_outputs_options_11_form.h"
#include "equipment/relay_outputs_options_12_form.h"
#include "equipment/relay_outputs_options_1_form.h"
#include "equipment/relay_outputs_options_2_form.h"
#include "equipment/relay_outputs_options_3_form.h"
#include "equipment/relay_outputs_options_4_form.h"
#include "equipment/relay_outputs_options_5_form.h"
#include "equipment/relay_outputs_options_6_form.h"
#include "equipment/relay_outputs_options_7_form.h"
#include "equipment/relay_outputs_options_8_form.h"
#include "equipment/relay_outputs_options_9_form.h"
#include "screens/mainmenu.h"

namespace {

constexpr quint16 kExtensionBoard = 1644;

} // namespace

RelayOutputsOptionsMenu::RelayOutputsOptionsMenu(QWidget* parent)
    : BaseMenu(parent, &RelayOutputsOptionsMenu::items)
{
    setObjectName(QStringLiteral("RelayOutputsOptionsMenu"));
    setTitle(tr("Релейные выходы"));
}

QList<MenuItem> RelayOutputsOptionsMenu::items()
{
    const bool extension = value(kExtensionBoard) != 0.0f;
    return {
        MenuItem::child<RelayOutputsOptions1Form>(tr("Релейный выход 1")),
        MenuItem::child<RelayOutputsOptions2Form>(tr("Релейный выход 2")),
        MenuItem::child<RelayOutputsOptions3Form>(tr("Релейный выход 3")),
        MenuItem::child<RelayOutputsOptions4Form>(tr("Релейный выход 4")),
        MenuItem::child<RelayOutputsOptions5Form>(tr("Релейный выход 5"), extension),
        MenuItem::child<RelayOutputsOptions6Form>(tr("Релейный выход 6"), extension),
        MenuItem::child<RelayOutputsOptions7Form>(tr("Релейный выход 7"), extension),
        MenuItem::child<RelayOutputsOptions8Form>(tr("Релейный выход 8"), extension),
        MenuItem::child<RelayOutputsOptions9Form>(tr("Релейный выход 9"), extension),
        MenuItem::child<RelayOutputsOptions10Form>(tr("Релейный выход 10"), extension),
        MenuItem::child<RelayOutputsOptions11Form>(tr("Релейный выход 11"), extension),
        MenuItem::child<RelayOutputsOptions12Form>(tr("Релейный выход 12"), extension),
    };
}

Pages RelayOutputsOptionsMenu::createNextForm()
{
    return pages(items());
}

void RelayOutputsOptionsMenu::returnBackForm()
{
    showMenuPage<MainMenu, EquipmentMenu>();
}
