#pragma once

#include "equipment/corrections_page.h"

// Calibration of the drive's output currents.
class CorrectionsCurrentOut : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentOut(QWidget* parent = nullptr);
};
