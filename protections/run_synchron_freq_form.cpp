#include "protections/run_synchron_freq_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunSynchronFreqForm::RunSynchronFreqForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunSynchronFreqForm"));
    setTitle(QObject::tr("Пуск с синхронизацией"));
}

void RunSynchronFreqForm::createForm()
{
    addComboBox(1020, ModeRows::repeatSwitch());
    ModeRows::addEdits(this, {1022, 1023});
    connect(this, &BaseForm::signalShowForm, this, &RunSynchronFreqForm::showWarning);
}

void RunSynchronFreqForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunSynchronFreqForm::showWarning()
{
    ModeRows::warnStopMotor(1020);
}
