#include "equipment/relay_outputs_options_5_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions5Form::RelayOutputsOptions5Form(QWidget* parent)
    : RelayOutputsOptionsForm(1730, 1742, 1754, 1766, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions5Form"));
    setTitle(tr("Релейный выход 5"));
}
