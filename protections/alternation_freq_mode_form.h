#pragma once

#include "ui/baseform.h"

// Alternation of two frequencies, each with its working time and underload setpoint.
class AlternationFreqModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit AlternationFreqModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
