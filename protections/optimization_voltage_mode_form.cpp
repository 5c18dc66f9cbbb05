#include "protections/optimization_voltage_mode_form.h"

#include "protections/baseprotectionform.h"
#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"

namespace {
constexpr quint16 kMode = 494;
constexpr quint16 kAccessLevel = 572;
constexpr quint16 kControlType = 10006;
}

OptimizationVoltageModeForm::OptimizationVoltageModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("OptimizationVoltageModeForm"));
    setTitle(QObject::tr("Оптимизация напряжения"));
}

void OptimizationVoltageModeForm::createForm()
{
    addComboBox(kMode, ModeRows::modeSwitch());
    ModeRows::addEdits(this, {497, 498, 495, 496});
    if (selector(kAccessLevel) > 2) {
        const PairList onOff = BaseProtectionForm::onOff();
        addComboBox(1132, onOff);
        addComboBox(1133, onOff);
        PairList firstStep;
        firstStep.append(0, QStringLiteral("-"));
        firstStep.append(1, QStringLiteral("+"));
        addComboBox(1134, firstStep);
        ModeRows::addEdits(this, {1141, 1142, 1143});
        addComboBox(1623, onOff);
        ModeRows::addEdits(this, {1624, 1665});
        addComboBox(1682, onOff);
    }
    PairList states;
    states.append(0, QObject::tr("Откл"));
    states.append(100, QObject::tr("1 цикл"));
    states.append(200, QObject::tr("Пауза"));
    ModeRows::addTexts(&states, 201, 205, QObject::tr("Понижение U"));
    ModeRows::addTexts(&states, 206, 210, QObject::tr("Повышение U"));
    ModeRows::addTexts(&states, 400, 401, QObject::tr("Пауза"));
    addStatusText(961, states);
    rebuildOnUpdate({kAccessLevel}, &ModesMenu::createNextForm);
    connect(this, &BaseForm::signalShowForm, this, &OptimizationVoltageModeForm::showWarning);
}

void OptimizationVoltageModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}

void OptimizationVoltageModeForm::showWarning()
{
    if (selector(kMode) != 3 && selector(kControlType) == 1)
        ModeRows::warn(QObject::tr("Для включения режима\nвыберите U/f управление!"));
}
