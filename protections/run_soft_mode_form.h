#pragma once

#include "ui/baseform.h"

// Soft start.
class RunSoftModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit RunSoftModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;

public slots:
    // On each showing: switching the mode on leaves the overload protection inactive.
    void showWarning();
};
