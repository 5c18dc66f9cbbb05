#include "protections/periodic_mode_form.h"

#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

PeriodicModeForm::PeriodicModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("PeriodicModeForm"));
    setTitle(QObject::tr("Периодика"));
}

void PeriodicModeForm::createForm()
{
    addComboBox(447, ModeRows::modeSwitch());
    ModeRows::addEdits(this, {449, 450});
    ModeRows::addValues(this, {452, 454});
    addEdit(878);
}

void PeriodicModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}
