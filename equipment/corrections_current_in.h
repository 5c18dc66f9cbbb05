#pragma once

#include "equipment/corrections_page.h"

// Calibration of the input currents.
class CorrectionsCurrentIn : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentIn(QWidget* parent = nullptr);
};
