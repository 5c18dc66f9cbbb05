#include "equipment/relay_outputs_options_7_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions7Form::RelayOutputsOptions7Form(QWidget* parent)
    : RelayOutputsOptionsForm(1732, 1744, 1756, 1768, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions7Form"));
    setTitle(tr("Релейный выход 7"));
}
