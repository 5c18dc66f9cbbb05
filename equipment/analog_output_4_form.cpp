#include "equipment/analog_output_4_form.h"

// Type, carried value, scale minimum, scale maximum.
AnalogOutput4Form::AnalogOutput4Form(QWidget* parent)
    : AnalogOutputsForm(1618, 1628, 1632, 1636, parent)
{
    setObjectName(QStringLiteral("AnalogOutput4Form"));
    setTitle(tr("Аналоговый выход 4"));
}
