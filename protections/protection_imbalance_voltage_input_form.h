#pragma once

#include "protections/baseprotectionform.h"

// Imbalance of the supply voltages.
class ProtectionImbalanceVoltageInputForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionImbalanceVoltageInputForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
