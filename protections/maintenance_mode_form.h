#pragma once

#include "ui/baseform.h"

class BaseEditWidget;
class BaseStatusWidget;

// Keeping a measured quantity at a setpoint by moving the frequency (maintain), or following an analog input
// (follow). The screen follows the control type and the quantity; in follow mode a new choice asks whether to
// set up the analog input. The value and the setpoint of an analog input show the input's unit.
class MaintenanceModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MaintenanceModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void slotParamUpdated(quint16 id);
    // Opens the page of the analog input chosen as the quantity; nothing for another quantity.
    void slotCreateFormAI();

private:
    // The value of the quantity chosen, after its row.
    void addQuantityValue(quint16 quantity);
    void setUnits(int input);
    void askAnalogInput();
    // The analog input (0-3) chosen as the quantity; -1 for another quantity.
    static int chosenInput();

    // The value rows of analog inputs 1-4 (one at most) and the setpoint row of an analog input.
    BaseStatusWidget* inputRows_[4] = {nullptr, nullptr, nullptr, nullptr};
    BaseEditWidget* setpointRow_ = nullptr;
    // A question is open: further changes wait for its answer.
    bool asking_ = false;
};
