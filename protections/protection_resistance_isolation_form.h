#pragma once

#include "protections/baseprotectionform.h"

// Insulation resistance: the source of the measurement decides the rows that follow it.
class ProtectionResistanceIsolationForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionResistanceIsolationForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
