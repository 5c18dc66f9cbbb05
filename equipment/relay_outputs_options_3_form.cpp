#include "equipment/relay_outputs_options_3_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions3Form::RelayOutputsOptions3Form(QWidget* parent)
    : RelayOutputsOptionsForm(964, 1740, 1752, 1764, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions3Form"));
    setTitle(tr("Релейный выход 3"));
}
