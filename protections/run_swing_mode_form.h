#pragma once

#include "ui/baseform.h"

// Start with swinging, with the settings of the drive type.
class RunSwingModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunSwingModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on while the motor runs.
    void showWarning();
};
