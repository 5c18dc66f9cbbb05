#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 8.
class RelayOutputsOptions8Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions8Form(QWidget* parent = nullptr);
};
