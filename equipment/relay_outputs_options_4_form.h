#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 4.
class RelayOutputsOptions4Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions4Form(QWidget* parent = nullptr);
};
