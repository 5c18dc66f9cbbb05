#pragma once

#include "protections/baseprotectionform.h"

// Turbine rotation (backspin) of the pump.
class ProtectionTurbineRotationForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionTurbineRotationForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
