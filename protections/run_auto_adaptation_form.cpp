#include "protections/run_auto_adaptation_form.h"

#include "equipment/vsd_menu.h"
#include "protections/mode_rows.h"
#include "protections/running_mode_menu.h"
#include "equipment/vsd_options_form.h"
#include "protections/baseprotectionform.h"
#include "texts/common.h"

namespace {
constexpr quint16 kMode = 783;
constexpr quint16 kVsdType = 685;
constexpr quint16 kControlType = 10006;
constexpr quint16 kCurrentSource = 1474;
constexpr quint16 kRatedCurrent = 884;
}

RunAutoAdaptationForm::RunAutoAdaptationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("RunAutoAdaptationForm"));
    setTitle(QObject::tr("Автоадаптация"));
}

void RunAutoAdaptationForm::createForm()
{
    addComboBox(kMode, ModeRows::repeatSwitch());
    if (selector(kVsdType) == 2) {
        addComboBox(1218, BaseProtectionForm::onOff());
        addStatusNum(selector(kCurrentSource) != 0 ? 10511 : 1475);
        ModeRows::addValues(this, {10161, 986});
        // The switching frequencies the drive of this rated current allows.
        addComboBox(1396, VsdOptionsForm::switchingFreqCodes(Common::toInt(value(kRatedCurrent))));
        if (selector(572) > 2) {
            ModeRows::addEdits(this, {1397, 1398, 1399, 1401, 1400, 1219});
            addComboBox(kCurrentSource, BaseProtectionForm::choices(&Common::getTextSourceCurrent, {0, 1}));
        }
    }
    connect(this, &BaseForm::signalShowForm, this, &RunAutoAdaptationForm::showWarning);
}

void RunAutoAdaptationForm::returnBackForm()
{
    showMenuPage<VsdMenu, RunningModeMenu>();
}

void RunAutoAdaptationForm::showWarning()
{
    const quint16 mode = selector(kMode);
    if (mode == 1 || mode == 2)
        return;
    if (selector(kControlType) == 0) {
        // The own drive adapts under U/f control too.
        if (selector(kVsdType) != 1)
            ModeRows::warn(QObject::tr("Для включения режима выберите векторное управление!"));
    } else {
        ModeRows::warnStopMotor(kMode);
    }
}
