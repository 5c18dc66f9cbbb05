#pragma once

#include "protections/baseprotectionform.h"

// Phase sequence of the supply: on or off, and the sequence required.
class ProtectionPhaseRotationForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionPhaseRotationForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
