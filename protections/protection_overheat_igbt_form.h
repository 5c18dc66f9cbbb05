#pragma once

#include "protections/baseprotectionform.h"

// Overheating of the drive's heatsink.
class ProtectionOverheatIgbtForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionOverheatIgbtForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
