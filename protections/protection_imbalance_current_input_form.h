#pragma once

#include "protections/baseprotectionform.h"

// Imbalance of the input currents.
class ProtectionImbalanceCurrentInputForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionImbalanceCurrentInputForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
