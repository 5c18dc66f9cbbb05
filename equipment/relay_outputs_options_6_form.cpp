#include "equipment/relay_outputs_options_6_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions6Form::RelayOutputsOptions6Form(QWidget* parent)
    : RelayOutputsOptionsForm(1731, 1743, 1755, 1767, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions6Form"));
    setTitle(tr("Релейный выход 6"));
}
