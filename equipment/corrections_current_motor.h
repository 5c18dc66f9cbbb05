#pragma once

#include "equipment/corrections_page.h"

// Calibration of the motor currents.
class CorrectionsCurrentMotor : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentMotor(QWidget* parent = nullptr);
};
