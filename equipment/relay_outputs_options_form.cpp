#include "equipment/relay_outputs_options_form.h"

#include "equipment/equipmentmenu.h"
#include "equipment/relay_outputs_options_menu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

namespace {

constexpr int kLastFunction = 10;
// The function whose stop reason is chosen.
constexpr quint16 kStationFault = 8;

// The stop reasons offered for "Авария СУ", in the order of the list, after "Любая" (0).
const int kFaultReasons[] = {
    6, 5, 21, 112, 119, 30,                   // supply
    4, 3, 20, 104, 105,                       // motor load and currents
    13, 116, 14, 16, 115,                     // pump and motor sensors
    41, 26, 42, 27, 100, 102, 101, 103,       // analog inputs 1-4, minimum and maximum
    107, 108, 109, 110, 120, 121, 122, 123,   // digital inputs 1-4 and 7-10
    2, 114, 9, 106, 111, 117, 129,            // insulation, starts, station and drive
};

} // namespace

RelayOutputsOptionsForm::RelayOutputsOptionsForm(ushort idFunc, ushort idCond, ushort idDelay, ushort idHold,
                                                 QWidget* parent)
    : BaseForm(parent, true), idFunc_(idFunc), idCond_(idCond), idDelay_(idDelay), idHold_(idHold)
{
}

void RelayOutputsOptionsForm::createForm()
{
    PairList list;
    for (int function = 0; function <= kLastFunction; ++function)
        list.append(function, Common::getTextRoAction(static_cast<unsigned short>(function)));
    addComboBox(idFunc_, list);
    const quint16 function = selector(idFunc_);
    if (function == kStationFault) {
        list.clear();
        list.append(0, tr("Любая"));
        const auto cells = cellReader();
        for (int reason : kFaultReasons)
            list.append(reason, Common::getTextReasonStop(reason, cells));
        addComboBox(idCond_, list);
    }
    if (function != 0) {
        addEdit(idDelay_);
        addEdit(idHold_);
    }
    rebuildOnUpdate({idFunc_}, &RelayOutputsOptionsMenu::createNextForm);
}

void RelayOutputsOptionsForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, RelayOutputsOptionsMenu>();
}
