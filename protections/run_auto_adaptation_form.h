#pragma once

#include "ui/baseform.h"

// Auto-adaptation of a permanent-magnet motor by a Danfoss drive.
class RunAutoAdaptationForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunAutoAdaptationForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: what keeps the mode from being switched on (the control type, a running motor).
    void showWarning();
};
