#include "protections/protection_analog_input_form.h"

#include <QLabel>

#include "protections/protection_analog_inputs_menu.h"
#include "protections/protections_menu.h"
#include "texts/common.h"
#include "ui/basecombobox.h"
#include "ui/baseeditwidget.h"
#include "ui/uiclock.h"

namespace {

// input, type, calibration sign, offset, coefficient, current value, input value, quantity, unit,
// scale minimum sign, value, scale maximum sign, value, action, action maximum, deviation,
// stop minimum sign, value, restart minimum sign, value, stop maximum sign, value, restart maximum sign, value,
// bypass, trip delay minimum, maximum, restart delay, restart delay maximum, restarts, counter reset, reset,
// deviation row after the quantity
const AnalogInputIds kInputs[] = {
    {1, 823, 1089, 1088, 1090, 18, 838, 822, 1105, 1184, 824, 1185, 825, 268, 2113, 1507,
     1186, 275, 1188, 276, 1187, 277, 1189, 1109, 270, 271, 2109, 272, 2117, 273, 274, 621, false},
    {2, 827, 1092, 1091, 1093, 19, 839, 826, 1106, 1190, 828, 1191, 829, 283, 2114, 1508,
     1192, 290, 1194, 291, 1193, 292, 1195, 1110, 285, 286, 2110, 287, 0, 288, 289, 622, false},
    {3, 831, 1095, 1094, 1096, 20, 840, 830, 1107, 1196, 832, 1197, 833, 298, 2115, 1509,
     1198, 305, 1200, 306, 1199, 307, 1201, 1111, 300, 301, 2111, 302, 0, 303, 304, 623, false},
    {4, 835, 1098, 1097, 1099, 21, 841, 834, 1108, 1202, 836, 1203, 837, 313, 2116, 1510,
     1204, 320, 1206, 321, 1205, 322, 1207, 1112, 315, 316, 2112, 317, 0, 318, 319, 624, true},
};

// Units offered for each measured quantity: codes 0 to count - 1.
struct QuantityUnits {
    quint8 quantity;
    quint8 count;
};
const QuantityUnits kUnits[] = {
    {1, 6}, {9, 6}, {10, 6}, {11, 6},  // pressures
    {2, 2},                            // temperature
    {3, 3},                            // vibration acceleration
    {4, 2},                            // vibration speed
    {5, 1},                            // insulation
    {6, 4},                            // flow
    {7, 1},                            // frequency
    {8, 1},                            // current
};

PairList signs()
{
    PairList list;
    list.append(-1, QObject::tr("Отрицательная"));
    list.append(1, QObject::tr("Положительная"));
    return list;
}

quint8 lowByte(quint16 id)
{
    return static_cast<quint8>(BaseForm::selector(id) & 0xFF);
}

} // namespace

ProtectionAnalogInputForm::ProtectionAnalogInputForm(const AnalogInputIds& ids, const QMetaObject& page,
                                                     QWidget* parent)
    : BaseProtectionForm(parent), ids_(ids), unitTimer_(this)
{
    setObjectName(QString::fromLatin1(page.className()));
    setTitle(QObject::tr("Защита по аналоговому входу ") + QString::number(ids.input));
    unitTimer_.setObjectName(QStringLiteral("unitTimer_"));
}

const AnalogInputIds* ProtectionAnalogInputForm::inputIds(int input)
{
    for (const AnalogInputIds& ids : kInputs) {
        if (ids.input == input)
            return &ids;
    }
    return nullptr;
}

QString ProtectionAnalogInputForm::inputTitle(int input)
{
    return QObject::tr("Аналоговый вход ") + QString::number(input);
}

PairList ProtectionAnalogInputForm::unitChoices(quint8 quantity)
{
    PairList list;
    for (const QuantityUnits& units : kUnits) {
        if (units.quantity != quantity)
            continue;
        for (int unit = 0; unit < units.count; ++unit)
            list.append(unit, Common::getTextAiUnit(quantity, static_cast<unsigned char>(unit)));
    }
    return list;
}

void ProtectionAnalogInputForm::createForm()
{
    valueRows_.clear();
    addComboBox(QObject::tr("Тип входа"), ids_.type, choices(&Common::getTextTypeAI, {0, 2, 1}));
    addComboBox(QObject::tr("Калибровка. Ось смещения"), ids_.calibrationSign, signs());
    addEdit(QObject::tr("Калибровка. Смещение"), ids_.calibrationOffset);
    addEdit(QObject::tr("Калибровка. Коэффициент"), ids_.calibrationCoefficient);
    addStatusNum(QObject::tr("Текущее значение"), ids_.current);
    addStatusNum(ids_.inputValue);
    addComboBox(ids_.quantity, choices(&Common::getTextAiParameter, {0, 1, 9, 10, 11, 2, 3, 4, 5, 6, 7, 8}));
    if (ids_.deviationAfterQuantity)
        addDeviationRow();
    // Filled by unitsUpdated() from the quantity.
    unitRow_ = addComboBox(ids_.unit, PairList());
    valueRows_ << addSignedValue(ids_.scaleMinSign, ids_.scaleMin);
    valueRows_ << addSignedValue(ids_.scaleMaxSign, ids_.scaleMax);
    addComboBox(ids_.action, protModes({0, 1, 2}));
    addComboBox(ids_.actionMax, protModes({0, 1, 2}));
    if (!ids_.deviationAfterQuantity)
        addDeviationRow();
    valueRows_ << addSignedValue(ids_.stopMinSign, ids_.stopMin);
    valueRows_ << addSignedValue(ids_.restartMinSign, ids_.restartMin);
    valueRows_ << addSignedValue(ids_.stopMaxSign, ids_.stopMax);
    valueRows_ << addSignedValue(ids_.restartMaxSign, ids_.restartMax);
    addEdits({ids_.bypass, ids_.tripMin, ids_.tripMax, ids_.restartDelay});
    if (ids_.restartDelayMax)
        addEdit(ids_.restartDelayMax);
    addEdits({ids_.restarts, ids_.counterReset});
    addButtonResetDefault(ids_.reset);
    setUpdateTimer();
}

void ProtectionAnalogInputForm::addDeviationRow()
{
    if (isDeviationShown())
        addComboBox(ids_.deviation, onOff());
}

BaseEditWidget* ProtectionAnalogInputForm::addSignedValue(quint16 sign, quint16 value)
{
    addComboBox(sign, signs());
    return addEdit(value);
}

void ProtectionAnalogInputForm::setUpdateTimer()
{
    unitTimer_.setSingleShot(true);
    unitTimer_.setInterval(UiClock::unitRefreshMs());
    connect(&unitTimer_, &QTimer::timeout, this, &ProtectionAnalogInputForm::unitsUpdated);
    onValueChange({ids_.quantity, ids_.unit}, [this](quint16 id) { slotParamUpdated(id); });
    unitsUpdated();
}

void ProtectionAnalogInputForm::slotParamUpdated(quint16 id)
{
    // Changes within one interval are served by one refresh at its end; the timer is not restarted.
    if ((id == ids_.quantity || id == ids_.unit) && !unitTimer_.isActive())
        unitTimer_.start();
}

void ProtectionAnalogInputForm::unitsUpdated()
{
    const quint8 quantity = lowByte(ids_.quantity);
    if (unitRow_)
        unitRow_->setValuesList(unitChoices(quantity));
    const QString unit = Common::getTextAiUnit(quantity, lowByte(ids_.unit));
    for (BaseEditWidget* row : qAsConst(valueRows_))
        row->unitLabel_->setText(unit);
}

void ProtectionAnalogInputForm::returnBackForm()
{
    showMenuPage<ProtectionsMenu, ProtectionAnalogInputsMenu>();
}
