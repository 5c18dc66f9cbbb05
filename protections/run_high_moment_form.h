#pragma once

#include "ui/baseform.h"

// Start with a high torque, with the U/f points it computes.
class RunHighMomentForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunHighMomentForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on while the motor runs.
    void showWarning();
};
