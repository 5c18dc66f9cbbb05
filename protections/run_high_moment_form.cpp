#include "protections/run_high_moment_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunHighMomentForm::RunHighMomentForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunHighMomentForm"));
    setTitle(QObject::tr("С увеличенным моментом"));
}

void RunHighMomentForm::createForm()
{
    addComboBox(1336, ModeRows::repeatSwitch());
    ModeRows::addEdits(this, {1331, 1332, 1333, 1334, 1335});
    ModeRows::addValues(this, {1338, 1344, 1343, 1346, 1345, 1342, 1341});
    addEdit(1479);
    connect(this, &BaseForm::signalShowForm, this, &RunHighMomentForm::showWarning);
}

void RunHighMomentForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunHighMomentForm::showWarning()
{
    ModeRows::warnStopMotor(1336);
}
