#pragma once

#include "protections/baseprotectionform.h"

// Undervoltage of the supply, with the drive's own ride-through settings.
class ProtectionUndervoltageInputForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionUndervoltageInputForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
