#pragma once

#include "ui/baseform.h"

// Opening of the station door. No reset button.
class ProtectionLockDoorForm : public BaseForm
{
    Q_OBJECT
public:
    explicit ProtectionLockDoorForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
