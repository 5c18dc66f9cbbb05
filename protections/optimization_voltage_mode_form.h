#pragma once

#include "ui/baseform.h"

// Voltage optimisation of U/f control; the service level (572 above 2) sees its fine settings, and the screen
// follows the level while it is shown.
class OptimizationVoltageModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptimizationVoltageModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on under vector control.
    void showWarning();
};
