#include "equipment/relay_outputs_options_4_form.h"

// Function, condition, delay, hold.
RelayOutputsOptions4Form::RelayOutputsOptions4Form(QWidget* parent)
    : RelayOutputsOptionsForm(965, 1741, 1753, 1765, parent)
{
    setObjectName(QStringLiteral("RelayOutputsOptions4Form"));
    setTitle(tr("Релейный выход 4"));
}
