#include "equipment/relay_outputs_options_1_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions1Form::RelayOutputsOptions1Form(QWidget* parent)
    : RelayOutputsOptionsForm(962, 1738, 1750, 1762, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions1Form"));
    setTitle(tr("Релейный выход 1"));
}
