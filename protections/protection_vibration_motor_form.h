#pragma once

#include "protections/baseprotectionform.h"

// Motor vibration.
class ProtectionVibrationMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionVibrationMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
