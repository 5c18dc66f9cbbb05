#pragma once

#include "ui/baseform.h"

// Direct start past the drive, with the phase currents and loads.
class RunDirectModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunDirectModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: switching the mode on leaves the overload protection inactive.
    void showWarning();
};
