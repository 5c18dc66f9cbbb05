#pragma once

#include "protections/baseprotectionform.h"

// Too many starts.
class ProtectionOvernumberOfStartForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionOvernumberOfStartForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
