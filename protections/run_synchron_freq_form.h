#pragma once

#include "ui/baseform.h"

// Start with synchronisation.
class RunSynchronFreqForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunSynchronFreqForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: the mode cannot be switched on while the motor runs.
    void showWarning();
};
