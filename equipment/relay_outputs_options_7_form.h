#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 7.
class RelayOutputsOptions7Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions7Form(QWidget* parent = nullptr);
};
