#pragma once

#include "protections/baseprotectionform.h"

// Loss of synchronism of a permanent-magnet motor. The back-EMF rows follow their switches.
class ProtectionOutOfSyncMotorForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionOutOfSyncMotorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
