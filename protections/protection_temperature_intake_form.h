#pragma once

#include "protections/baseprotectionform.h"

// Temperature at the pump intake.
class ProtectionTemperatureIntakeForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionTemperatureIntakeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
