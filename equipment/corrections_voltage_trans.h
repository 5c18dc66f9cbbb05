#pragma once

#include "equipment/corrections_page.h"

// Calibration of the transformer voltages.
class CorrectionsVoltageTrans : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsVoltageTrans(QWidget* parent = nullptr);
};
