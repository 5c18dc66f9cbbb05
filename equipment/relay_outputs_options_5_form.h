#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 5.
class RelayOutputsOptions5Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions5Form(QWidget* parent = nullptr);
};
