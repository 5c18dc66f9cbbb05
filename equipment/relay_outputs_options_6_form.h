#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 6.
class RelayOutputsOptions6Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions6Form(QWidget* parent = nullptr);
};
