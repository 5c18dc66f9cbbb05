#pragma once

#include "protections/baseprotectionform.h"

// Pump discharge pressure.
class ProtectionPressureDischargeForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionPressureDischargeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
