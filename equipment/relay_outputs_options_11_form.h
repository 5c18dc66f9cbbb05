#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 11.
class RelayOutputsOptions11Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions11Form(QWidget* parent = nullptr);
};
