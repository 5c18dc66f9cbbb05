#pragma once

#include "ui/baseform.h"

// Pickup of a turning motor, with the settings of the drive type.
class RunPickupModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunPickupModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
