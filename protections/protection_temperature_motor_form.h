#pragma once

#include "protections/baseprotectionform.h"

// Motor temperature; the value shown follows the sensor position.
class ProtectionTemperatureMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionTemperatureMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
