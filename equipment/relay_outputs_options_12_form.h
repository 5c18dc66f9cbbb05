#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 12.
class RelayOutputsOptions12Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions12Form(QWidget* parent = nullptr);
};
