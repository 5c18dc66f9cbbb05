#include "protections/protection_resistance_isolation_form.h"

#include "protections/protections_menu.h"
#include "protections/protections_other_menu.h"
#include "texts/common.h"

ProtectionResistanceIsolationForm::ProtectionResistanceIsolationForm(QWidget* parent)
    : BaseProtectionForm(parent)
{
    setObjectName(QStringLiteral("ProtectionResistanceIsolationForm"));
    setTitle(QObject::tr("Сопротивление изоляции"));
}

void ProtectionResistanceIsolationForm::createForm()
{
    addActionRows(238, {0, 1}, 1495);
    addComboBox(247, onOff());
    addEdit(245);
    // Sources that this station has: the drive only with the reference drive, the sensors only when fitted.
    PairList sources;
    sources.append(1, Common::getTextSourceR(1));
    if (selector(685) == 3)
        sources.append(2, Common::getTextSourceR(2));
    if (Common::toInt(value(39)) != 0)
        sources.append(3, Common::getTextSourceR(3));
    sources.append(4, Common::getTextSourceR(4));
    addComboBox(1130, sources);
    if (selector(1130) == 1) {
        addStatusText(1131, choices(&Common::getTextSourceR, {0, 2, 3, 4}));
        if (selector(572) > 2)
            addEdit(1402);
    }
    addComboBox(1033, choices(&Common::getTextAiAxisZeroShift, {-1, 1}));
    addEdits({1032, 514});
    addStatusNum(11);
    addButtonResetDefault(618);
    rebuildOnUpdate({1130}, &ProtectionsOtherMenu::createNextForm);
}

void ProtectionResistanceIsolationForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionsOtherMenu>();
}
