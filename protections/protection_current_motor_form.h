#pragma once

#include "protections/baseprotectionform.h"

// Motor current limit: it trips, and cannot be switched off from the panel.
class ProtectionCurrentMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionCurrentMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
