#pragma once

#include "ui/baseform.h"

// Calibration screen. No rows yet: only the title and the way back.
class CorrectionsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
