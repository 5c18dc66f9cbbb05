#pragma once

#include "ui/baseform.h"

// Calibration of the analog inputs 5 to 8: signal type, sign, offset and coefficient of each, and its value.
class CorrectionAI : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionAI(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
