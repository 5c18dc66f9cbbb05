#pragma once

#include "equipment/analog_outputs_form.h"

// Analog output 1.
class AnalogOutput1Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput1Form(QWidget* parent = nullptr);
};
