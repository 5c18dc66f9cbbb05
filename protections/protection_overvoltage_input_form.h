#pragma once

#include "protections/baseprotectionform.h"

// Overvoltage of the supply.
class ProtectionOvervoltageInputForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionOvervoltageInputForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
