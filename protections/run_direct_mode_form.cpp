#include "protections/run_direct_mode_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunDirectModeForm::RunDirectModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunDirectModeForm"));
    setTitle(QObject::tr("Прямой пуск"));
}

void RunDirectModeForm::createForm()
{
    addComboBox(1057, ModeRows::modeSwitch());
    if (selector(685) != 3)
        ModeRows::addValues(this, {2, 1059, 3, 1060, 4, 1061});
    connect(this, &BaseForm::signalShowForm, this, &RunDirectModeForm::showWarning);
}

void RunDirectModeForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunDirectModeForm::showWarning()
{
    ModeRows::warnOverload(1057);
}
