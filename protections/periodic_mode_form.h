#pragma once

#include "ui/baseform.h"

// Periodic running: working and pause times and what is left of them.
class PeriodicModeForm : public BaseForm
{
    Q_OBJECT
public:
    explicit PeriodicModeForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
