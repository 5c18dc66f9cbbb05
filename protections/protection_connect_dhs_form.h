#pragma once

#include "protections/baseprotectionform.h"

// Loss of the link with the downhole sensors: the delay rows follow the action.
class ProtectionConnectDhsForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionConnectDhsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
