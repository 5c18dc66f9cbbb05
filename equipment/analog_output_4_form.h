#pragma once

#include "equipment/analog_outputs_form.h"

// Analog output 4.
class AnalogOutput4Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput4Form(QWidget* parent = nullptr);
};
