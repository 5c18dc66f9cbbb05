#pragma once

#include "ui/baseform.h"

// Measured values of the drive output and the motor.
class CurrentParamsMotorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit CurrentParamsMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
