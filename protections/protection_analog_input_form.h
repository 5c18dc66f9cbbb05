#pragma once

#include <QList>
#include <QMetaObject>
#include <QTimer>

#include "protections/baseprotectionform.h"

class BaseComboBox;
class BaseEditWidget;

// The parameters of one analog input, in the order of its page's rows.
struct AnalogInputIds {
    int input;
    quint16 type;
    quint16 calibrationSign;
    quint16 calibrationOffset;
    quint16 calibrationCoefficient;
    quint16 current;
    quint16 inputValue;
    quint16 quantity;
    quint16 unit;
    quint16 scaleMinSign;
    quint16 scaleMin;
    quint16 scaleMaxSign;
    quint16 scaleMax;
    quint16 action;
    quint16 actionMax;
    quint16 deviation;
    quint16 stopMinSign;
    quint16 stopMin;
    quint16 restartMinSign;
    quint16 restartMin;
    quint16 stopMaxSign;
    quint16 stopMax;
    quint16 restartMaxSign;
    quint16 restartMax;
    quint16 bypass;
    quint16 tripMin;
    quint16 tripMax;
    quint16 restartDelay;
    quint16 restartDelayMax;  // 0: the input has none
    quint16 restarts;
    quint16 counterReset;
    quint16 reset;
    // The deviation-alarm row stands after the quantity row instead of after the actions.
    bool deviationAfterQuantity;
};

// The page of one analog input: the sensor's signal, calibration, quantity, unit and scale, and the protection
// on its value. The unit row offers the units of the measured quantity, and the setpoint rows show the unit;
// both follow the quantity and the unit a moment after they change.
class ProtectionAnalogInputForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    // `page` is the meta-object of the input's own class: its name is the page's name.
    ProtectionAnalogInputForm(const AnalogInputIds& ids, const QMetaObject& page, QWidget* parent = nullptr);

    const AnalogInputIds& ids() const { return ids_; }

    // The parameters of input `input` (1-4); null for any other.
    static const AnalogInputIds* inputIds(int input);
    // "Аналоговый вход N".
    static QString inputTitle(int input);
    // The unit choices of a measured quantity (codes of Common::getTextAiParameter); none for 0 or an unknown
    // code.
    static PairList unitChoices(quint8 quantity);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void slotParamUpdated(quint16 id);
    // The unit choices and the unit texts of the setpoint rows, from the quantity and the unit now.
    void unitsUpdated();

private:
    // Called last in createForm(): follows the quantity and the unit from then on, and sets the units now.
    void setUpdateTimer();
    void addDeviationRow();
    BaseEditWidget* addSignedValue(quint16 sign, quint16 value);

    const AnalogInputIds ids_;
    QTimer unitTimer_;
    BaseComboBox* unitRow_ = nullptr;
    QList<BaseEditWidget*> valueRows_;
};
