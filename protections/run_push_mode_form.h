#pragma once

#include "ui/baseform.h"

// Jogging start, with the settings of the drive type.
class RunPushModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunPushModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on while the motor runs.
    void showWarning();
};
