#pragma once

#include "protections/baseprotectionform.h"

// Pump intake pressure: a minimum and a maximum trip setpoint.
class ProtectionPressureIntakeForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionPressureIntakeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
