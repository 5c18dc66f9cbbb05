#include "equipment/relay_outputs_options_2_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions2Form::RelayOutputsOptions2Form(QWidget* parent)
    : RelayOutputsOptionsForm(963, 1739, 1751, 1763, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions2Form"));
    setTitle(tr("Релейный выход 2"));
}
