#include "protections/current_limit_mode_form.h"

#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

CurrentLimitModeForm::CurrentLimitModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("CurrentLimitModeForm"));
    setTitle(QObject::tr("Режим токоограничения"));
}

void CurrentLimitModeForm::createForm()
{
    addComboBox(503, ModeRows::modeSwitch());
    ModeRows::addEdits(this, {504, 506});
    addStatusNum(10017);
}

void CurrentLimitModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}
