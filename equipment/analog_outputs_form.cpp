#include "equipment/analog_outputs_form.h"

#include "app/parameters.h"
#include "equipment/analog_outputs_menu.h"
#include "equipment/equipmentmenu.h"
#include "texts/common.h"
#include "ui/baseeditwidget.h"
#include "ui/pairlist.h"

namespace {

constexpr int kLastType = 2;

// The station values an output can carry, in the order of the list, after "Не выбран" (0).
const quint16 kCarried[] = {
    10001, 2, 3, 4, 5, 6, 9, 7, 11, 10,          // output frequency, motor currents, load, insulation, turbine
    10013, 10014, 1162, 10012,                   // powers, voltages
    1163, 1164, 1165, 709, 710, 711, 16,         // drive output currents, line voltages, unbalance
    10246, 10004, 10011,                         // drive temperature, output voltage, DC current
    15002, 15004, 15048, 15011, 15007,           // downhole sensors at the intake and the motor
    15008, 15009, 15010,                         // and at the discharge
};

} // namespace

AnalogOutputsForm::AnalogOutputsForm(ushort typeId, ushort paramId, ushort minId, ushort maxId, QWidget* parent)
    : BaseForm(parent, true), typeId_(typeId), paramId_(paramId), minId_(minId), maxId_(maxId)
{
}

void AnalogOutputsForm::createForm()
{
    PairList list;
    for (int type = 0; type <= kLastType; ++type)
        list.append(type, Common::getTextTypeAO(static_cast<unsigned short>(type)));
    addComboBox(typeId_, list);
    if (selector(typeId_) != 0) {
        list.clear();
        list.append(0, Common::getTextParamAO(0));
        for (quint16 id : kCarried)
            list.append(id, Common::getTextFromId(id));
        addComboBox(paramId_, list);
        const quint16 carried = selector(paramId_);
        if (carried != 0) {
            // A value the mirror does not know has no row and lends no unit: the scale shows in its own.
            const ParameterDef* def = params() ? params()->getParameter(carried) : nullptr;
            if (def)
                addStatusNum(carried, false);
            for (quint16 end : {minId_, maxId_}) {
                BaseEditWidget* row = addEdit(end);
                // The page's own display unit: the mirror's record of the scale end, which the register maps read
                // on their thread, is not changed.
                if (def)
                    row->setDisplayUnit(def->physic, def->unitOut);
            }
        }
    }
    rebuildOnUpdate({typeId_, paramId_}, &AnalogOutputsMenu::createNextForm);
}

void AnalogOutputsForm::returnBackForm()
{
    showMenuPage<EquipmentMenu, AnalogOutputsMenu>();
}
