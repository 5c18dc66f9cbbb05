#include "equipment/relay_outputs_options_10_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions10Form::RelayOutputsOptions10Form(QWidget* parent)
    : RelayOutputsOptionsForm(1735, 1747, 1759, 1771, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions10Form"));
    setTitle(tr("Релейный выход 10"));
}
