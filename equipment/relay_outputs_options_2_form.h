#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 2.
class RelayOutputsOptions2Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions2Form(QWidget* parent = nullptr);
};
