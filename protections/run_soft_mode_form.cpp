#include "protections/run_soft_mode_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunSoftModeForm::RunSoftModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunSoftModeForm"));
    setTitle(QObject::tr("Режим \"мягкого\" пуска"));
}

void RunSoftModeForm::createForm()
{
    addComboBox(1122, ModeRows::modeSwitch());
    connect(this, &BaseForm::signalShowForm, this, &RunSoftModeForm::showWarning);
}

void RunSoftModeForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunSoftModeForm::showWarning()
{
    ModeRows::warnOverload(1122);
}
