#pragma once

#include "protections/baseprotectionform.h"

// Loss of the link with the drive.
class VsdNoConnectForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit VsdNoConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
