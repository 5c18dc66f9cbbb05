#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 10.
class RelayOutputsOptions10Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions10Form(QWidget* parent = nullptr);
};
