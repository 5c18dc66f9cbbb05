#include "equipment/relay_outputs_options_12_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions12Form::RelayOutputsOptions12Form(QWidget* parent)
    : RelayOutputsOptionsForm(1737, 1749, 1761, 1773, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions12Form"));
    setTitle(tr("Релейный выход 12"));
}
