#pragma once

#include "ui/baseform.h"

// Display units of pressure, temperature, vibration, flow and motor power.
class OptionsUnitsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit OptionsUnitsForm(QWidget* parent = nullptr);

    void createForm() override;
    void returnBackForm() override;
};
