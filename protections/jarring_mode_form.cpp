#include "protections/jarring_mode_form.h"

#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

JarringModeForm::JarringModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("JarringModeForm"));
    setTitle(QObject::tr("Встряхивание"));
}

void JarringModeForm::createForm()
{
    addComboBox(483, ModeRows::modeSwitch());
    ModeRows::addEdits(this, {484, 727, 485, 487, 488, 486});
    // The stage of the mode; a code without a text leaves the last one shown.
    PairList stages;
    stages.append(0, QObject::tr("Откл"));
    ModeRows::addTexts(&stages, 200, 202, QObject::tr("Частота F1"));
    ModeRows::addTexts(&stages, 203, 205, QObject::tr("Частота F2"));
    stages.append(100, QObject::tr("Ожидание"));
    stages.append(400, QObject::tr("Ожидание"));
    addStatusText(873, stages);
}

void JarringModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}
