#pragma once

#include "equipment/corrections_page.h"

// Calibration of the transformer currents.
class CorrectionsCurrentTrans : public CorrectionsPage
{
    Q_OBJECT
public:
    explicit CorrectionsCurrentTrans(QWidget* parent = nullptr);
};
