#include "protections/run_push_mode_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunPushModeForm::RunPushModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunPushModeForm"));
    setTitle(QObject::tr("Толчковый"));
}

void RunPushModeForm::createForm()
{
    addComboBox(673, ModeRows::repeatSwitch());
    switch (selector(685)) {
    case 1:
        ModeRows::addEdits(this, {787, 788, 789, 790, 791, 792});
        break;
    case 2:
        ModeRows::addEdits(this, {675, 676, 677, 679, 678, 1370});
        break;
    case 3:
        ModeRows::addEdits(this, {675, 679, 678});
        if (value(572) >= 3.0f)
            ModeRows::addValues(this, {10074, 10290, 10292, 10072});
        break;
    default:
        break;
    }
    connect(this, &BaseForm::signalShowForm, this, &RunPushModeForm::showWarning);
}

void RunPushModeForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunPushModeForm::showWarning()
{
    ModeRows::warnStopMotor(673);
}
