#pragma once

#include "protections/baseprotectionform.h"

// How long the station rides through a supply outage. No reset: the time is a choice of its own.
class ProtectionPowerOffForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    explicit ProtectionPowerOffForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
