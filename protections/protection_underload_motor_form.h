#pragma once

#include "protections/baseprotectionform.h"

// Motor underload, with the progressive restart delay.
class ProtectionUnderloadMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionUnderloadMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
