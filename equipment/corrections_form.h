#pragma once

#include "ui/baseform.h"

// Calibration screen. Titled screen with its way back; the rows come with its own settings.
class CorrectionsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CorrectionsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
