#pragma once

#include "equipment/corrections_page.h"

// Calibration of the drive's output voltages.
class CorrectionsVoltageOut : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageOut(QWidget* parent = nullptr);
};
