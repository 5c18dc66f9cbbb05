#pragma once

#include "protections/baseprotectionform.h"

// Minimum flow.
class ProtectionFlowDischargeForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionFlowDischargeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
