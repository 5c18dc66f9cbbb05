#include "screens/optionsunitsform.h"

#include "screens/mainmenu.h"
#include "screens/optionsmenu.h"
#include "texts/common.h"
#include "ui/pairlist.h"

OptionsUnitsForm::OptionsUnitsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptionsUnitsForm"));
    setTitle(tr("Единицы измерения"));
}

void OptionsUnitsForm::createForm()
{
    PairList units;
    for (int code = 0; code <= 5; ++code)
        units.append(code, Common::getTextUnitPressure(code));
    addComboBox(585, units);
    units.clear();
    for (int code = 0; code <= 1; ++code)
        units.append(code, Common::getTextUnitTemperature(code));
    addComboBox(586, units);
    units.clear();
    for (int code = 0; code <= 2; ++code)
        units.append(code, Common::getTextUnitAcceleration(code));
    addComboBox(587, units);
    units.clear();
    for (int code = 0; code <= 3; ++code)
        units.append(code, Common::getTextUnitFlow(code));
    addComboBox(589, units);
    units.clear();
    for (int code = 0; code <= 2; ++code)
        units.append(code, Common::getTextUnitPowerMotor(code));
    addComboBox(1650, units);
}

void OptionsUnitsForm::returnBackForm()
{
    showMenuPage<MainMenu, OptionsMenu>();
}
