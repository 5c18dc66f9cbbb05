#pragma once

#include "equipment/corrections_page.h"

// Calibration of the input voltages.
class CorrectionsVoltageIn : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageIn(QWidget* parent = nullptr);
};
