#pragma once

#include "equipment/relay_outputs_options_form.h"

// Relay output 3.
class RelayOutputsOptions3Form : public RelayOutputsOptionsForm
{
    Q_OBJECT
public:
    explicit RelayOutputsOptions3Form(QWidget* parent = nullptr);
};
