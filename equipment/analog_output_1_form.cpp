#include "equipment/analog_output_1_form.h"

// Type, carried value, scale minimum, scale maximum.
AnalogOutput1Form::AnalogOutput1Form(QWidget* parent)
    : AnalogOutputsForm(1615, 1625, 1629, 1633, parent)
{
    setObjectName(QStringLiteral("AnalogOutput1Form"));
    setTitle(tr("Аналоговый выход 1"));
}
