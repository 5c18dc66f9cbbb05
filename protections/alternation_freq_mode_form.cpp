#include "protections/alternation_freq_mode_form.h"

#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

AlternationFreqModeForm::AlternationFreqModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("AlternationFreqModeForm"));
    setTitle(QObject::tr("Чередование частот"));
}

void AlternationFreqModeForm::createForm()
{
    addComboBox(455, ModeRows::modeSwitch());
    ModeRows::addEdits(this, {456, 457, 459, 460, 461, 463});
    ModeRows::addValues(this, {1391, 1392});
}

void AlternationFreqModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}
