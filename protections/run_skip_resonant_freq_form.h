#pragma once

#include "ui/baseform.h"

// Skipping of resonant frequencies on the way up.
class RunSkipResonantFreqForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunSkipResonantFreqForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on while the motor runs.
    void showWarning();
};
