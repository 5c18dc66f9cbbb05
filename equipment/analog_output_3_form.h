#pragma once

#include "equipment/analog_outputs_form.h"

// Analog output 3.
class AnalogOutput3Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput3Form(QWidget* parent = nullptr);
};
