#include "protections/run_skip_resonant_freq_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"

RunSkipResonantFreqForm::RunSkipResonantFreqForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunSkipResonantFreqForm"));
    setTitle(QObject::tr("Пропуск резонансных частот"));
}

void RunSkipResonantFreqForm::createForm()
{
    addComboBox(1012, ModeRows::repeatSwitch());
    ModeRows::addEdits(this, {1014, 1015, 1016});
    connect(this, &BaseForm::signalShowForm, this, &RunSkipResonantFreqForm::showWarning);
}

void RunSkipResonantFreqForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunSkipResonantFreqForm::showWarning()
{
    ModeRows::warnStopMotor(1012);
}
