#pragma once

#include "ui/baseform.h"

// The quality of the controller's link with the electricity meter: its counters and their reset.
class EmConnectForm : public BaseForm
{
    Q_OBJECT
public:
    explicit EmConnectForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    void showResetCountersDialog();
};
