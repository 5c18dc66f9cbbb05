#include "equipment/relay_outputs_options_11_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions11Form::RelayOutputsOptions11Form(QWidget* parent)
    : RelayOutputsOptionsForm(1736, 1748, 1760, 1772, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions11Form"));
    setTitle(tr("Релейный выход 11"));
}
