#pragma once

#include "equipment/corrections_page.h"

// Calibration of the motor voltages.
class CorrectionsVoltageMotor : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageMotor(QWidget* parent = nullptr);
};
