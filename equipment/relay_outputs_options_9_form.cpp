#include "equipment/relay_outputs_options_9_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions9Form::RelayOutputsOptions9Form(QWidget* parent)
    : RelayOutputsOptionsForm(1734, 1746, 1758, 1770, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions9Form"));
    setTitle(tr("Релейный выход 9"));
}
