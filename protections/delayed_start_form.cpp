#include "protections/delayed_start_form.h"

#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

DelayedStartForm::DelayedStartForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("DelayedStartForm"));
    setTitle(QObject::tr("Отложенный пуск"));
}

void DelayedStartForm::createForm()
{
    addComboBox(955, ModeRows::modeSwitch());
    addEdit(914);
}

void DelayedStartForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}
