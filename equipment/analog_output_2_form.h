#pragma once

#include "equipment/analog_outputs_form.h"

// Analog output 2.
class AnalogOutput2Form : public AnalogOutputsForm
{
    Q_OBJECT
public:
    explicit AnalogOutput2Form(QWidget* parent = nullptr);
};
