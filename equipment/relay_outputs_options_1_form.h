#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 1.
class RelayOutputsOptions1Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions1Form(QWidget* parent = nullptr);
};
