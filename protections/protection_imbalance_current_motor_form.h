#pragma once

#include "protections/baseprotectionform.h"

// Imbalance of the motor currents.
class ProtectionImbalanceCurrentMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionImbalanceCurrentMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
