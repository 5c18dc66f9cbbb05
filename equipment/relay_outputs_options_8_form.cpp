#include "equipment/relay_outputs_options_8_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions8Form::RelayOutputsOptions8Form(QWidget* parent)
    : RelayOutputsOptionsForm(1733, 1745, 1757, 1769, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions8Form"));
    setTitle(tr("Релейный выход 8"));
}
