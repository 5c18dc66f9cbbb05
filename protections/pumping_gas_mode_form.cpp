#include "protections/pumping_gas_mode_form.h"

#include "protections/baseprotectionform.h"
#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

namespace {
constexpr quint16 kMode = 499;
constexpr quint16 kAdvanced = 1716;
constexpr quint16 kUnderloadSetpoint = 1726;
constexpr quint16 kUnderloadAction = 133;
}

PumpingGasModeForm::PumpingGasModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("PumpingGasModeForm"));
    setTitle(QObject::tr("Прокачка газа"));
}

void PumpingGasModeForm::createForm()
{
    const PairList onOff = BaseProtectionForm::onOff();
    addComboBox(kMode, ModeRows::modeSwitch());
    addComboBox(kAdvanced, onOff);
    if (selector(kAdvanced) == 0) {
        ModeRows::addEdits(this, {500, 501, 1113});
        addEdit(QObject::tr("Время"), 502);
    } else {
        addComboBox(kUnderloadSetpoint, onOff);
        if (selector(kUnderloadSetpoint) == 0)
            addEdit(1728);
        ModeRows::addEdits(this, {1114, 1115, 500, 501, 1113});
        addComboBox(1727, onOff);
        ModeRows::addEdits(this, {502, 1712, 1713, 1714, 1715});
    }
    rebuildOnUpdate({kAdvanced, kUnderloadSetpoint}, &ModesMenu::createNextForm);
    connect(this, &BaseForm::signalShowForm, this, &PumpingGasModeForm::showWarning);
}

void PumpingGasModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}

void PumpingGasModeForm::showWarning()
{
    if (selector(kMode) == 0 && selector(kUnderloadAction) == 0)
        ModeRows::warn(QObject::tr("Для включения режима \n активируйте защиту Недогруз (ЗСП)"));
}
