#include "protections/maintenance_mode_form.h"

#include <QLabel>
#include <QPointer>

#include "protections/baseprotectionform.h"
#include "protections/mode_rows.h"
#include "protections/modes_menu.h"
#include "protections/protection_analog_input_forms.h"
#include "protections/protection_analog_inputs_menu.h"
#include "screens/technologparamsmenu.h"
#include "texts/common.h"
#include "ui/basestatuswidget.h"
#include "ui/baseeditwidget.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"

namespace {

constexpr quint16 kMode = 474;
constexpr quint16 kQuantity = 475;
constexpr quint16 kControl = 1683;
constexpr quint16 kTemperatureSource = 1215;
constexpr quint16 kModelData = 1519;
// Quantities 3-6 are analog inputs 1-4.
constexpr int kFirstInput = 3;

// Per analog input: its quantity, unit and signal type, and its value.
struct InputIds {
    quint16 quantity;
    quint16 unit;
    quint16 type;
    quint16 value;
};
constexpr InputIds kInputs[4] = {
    {822, 1105, 823, 838},
    {826, 1106, 827, 839},
    {830, 1107, 831, 840},
    {834, 1108, 835, 841},
};

// The analog input (0-3) whose settings include `id`; -1 for none.
int inputOf(quint16 id)
{
    for (int i = 0; i < 4; ++i) {
        if (id == kInputs[i].quantity || id == kInputs[i].unit || id == kInputs[i].type)
            return i;
    }
    return -1;
}

} // namespace

MaintenanceModeForm::MaintenanceModeForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MaintenanceModeForm"));
    setTitle(QObject::tr("Поддержание параметра"));
}

void MaintenanceModeForm::createForm()
{
    addComboBox(kMode, ModeRows::modeSwitch());
    addComboBox(kControl, BaseProtectionForm::choices(&Common::getTextMaintenanceModeParamTypeControl, {0, 1}));
    if (selector(kControl) != 0) {
        addComboBox(kQuantity, BaseProtectionForm::choices(&Common::getTextMaintenanceModeParamType, {3, 4, 5, 6}));
        ModeRows::addEdits(this, {478, 481, 482});
        addButton(QObject::tr("Настроить аналоговый вход"), SLOT(slotCreateFormAI()));
    } else {
        const auto source = static_cast<sensorTemperatureMotor>(selector(kTemperatureSource));
        PairList quantities = BaseProtectionForm::choices(
            [source](int key) {
                const QString text = Common::getTextMaintenanceModeParamType(static_cast<unsigned short>(key));
                return key == 2 ? text + QLatin1Char(' ') + Common::getTextSourceTemperature(source) : text;
            },
            {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        addComboBox(kQuantity, quantities);
        const quint16 quantity = selector(kQuantity);
        addQuantityValue(quantity);
        addComboBox(476, BaseProtectionForm::choices(&Common::getTextMaintenanceModeParamDepend, {0, 1}));
        switch (quantity) {
        case 1: addEdit(688); break;
        case 2: addEdit(689); break;
        case 3: case 4: case 5: case 6: setpointRow_ = addEdit(690); break;
        case 7: addEdit(1179); break;
        case 8: addEdit(1180); break;
        case 9: addEdit(1481); break;
        default: addEdit(477); break;
        }
        ModeRows::addEdits(this, {478, 479, 480, 481, 482});
        for (const InputIds& input : kInputs)
            slotParamUpdated(input.quantity);
    }
    // Rebuilt through the framework: once per burst, and only while on show.
    rebuildOnUpdate({}, &ModesMenu::createNextForm);
    QVector<quint16> watched{kQuantity, kControl};
    for (const InputIds& input : kInputs)
        watched << input.quantity << input.unit << input.type;
    onValueChange(watched, [this](quint16 id) { slotParamUpdated(id); });
}

void MaintenanceModeForm::addQuantityValue(quint16 quantity)
{
    switch (quantity) {
    case 0: addStatusNum(selector(kModelData) != 0 ? 1547 : 6); break;
    case 1: addStatusNum(15002); break;
    case 2: addStatusNum(selector(kTemperatureSource) != 0 ? 15048 : 15003); break;
    case 3: case 4: case 5: case 6:
        inputRows_[quantity - kFirstInput] = addStatusNum(kInputs[quantity - kFirstInput].value);
        break;
    case 7: addStatusNum(7); break;
    case 8: addStatusNum(1171); break;
    case 9: addStatusNum(15010); break;
    default: break;
    }
}

void MaintenanceModeForm::returnBackForm()
{
    showMenuPage<TechnologParamsMenu, ModesMenu>();
}

void MaintenanceModeForm::slotParamUpdated(quint16 id)
{
    if (id == kQuantity || id == kControl) {
        MainWindow* window = mainWindow();
        // Maintain mode, or a screen not on show (it is built anew when shown): the rows follow, nothing is asked.
        if (selector(kControl) == 0 || !window || window->currentForm() != this)
            requestRebuild();
        else
            askAnalogInput();
        return;
    }
    const int input = inputOf(id);
    if (input >= 0)
        setUnits(input);
}

void MaintenanceModeForm::askAnalogInput()
{
    // One question at a time; its answer reads the values current then.
    if (asking_)
        return;
    asking_ = true;
    QPointer<MaintenanceModeForm> self(this);
    const int answer =
        (new MessageDialog(QObject::tr("Настроить аналоговый вход"), MessageDialog::Question, mainWindow()))->exec();
    // The screen may have been replaced while the question was open: its answer is then moot.
    if (!self || self->isDetached())
        return;
    asking_ = false;
    // "Да" with no analog input chosen has no page to open: the rows follow the new values instead.
    if (answer == 1 && chosenInput() >= 0)
        slotCreateFormAI();
    else
        requestRebuild();
}

void MaintenanceModeForm::setUnits(int input)
{
    MainWindow* window = mainWindow();
    if (!window || !inputRows_[input] || !setpointRow_)
        return;
    const InputIds& ids = kInputs[input];
    const QString unit = window->getTextAiUnit(ids.quantity, ids.unit, ids.type);
    inputRows_[input]->unitLabel_->setText(unit);
    setpointRow_->unitLabel_->setText(unit);
}

int MaintenanceModeForm::chosenInput()
{
    const int input = selector(kQuantity) - kFirstInput;
    return input >= 0 && input < 4 ? input : -1;
}

void MaintenanceModeForm::slotCreateFormAI()
{
    static const QMetaObject* const kPages[4] = {
        &ProtectionAnalogInput1Form::staticMetaObject, &ProtectionAnalogInput2Form::staticMetaObject,
        &ProtectionAnalogInput3Form::staticMetaObject, &ProtectionAnalogInput4Form::staticMetaObject};
    const int input = chosenInput();
    if (input < 0)
        return;
    // This screen is replaced inside the call.
    showForms(ProtectionAnalogInputsMenu::createNextForm(), *kPages[input]);
}
