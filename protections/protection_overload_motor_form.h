#pragma once

#include "protections/baseprotectionform.h"

// Motor overload.
class ProtectionOverloadMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionOverloadMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
