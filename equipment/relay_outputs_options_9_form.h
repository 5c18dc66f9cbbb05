#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 9.
class RelayOutputsOptions9Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions9Form(QWidget* parent = nullptr);
};
