#include "equipment/analog_output_3_form.h"

// Type, carried value, scale minimum, scale maximum.
AnalogOutput3Form::AnalogOutput3Form(QWidget* parent)
    : AnalogOutputsForm(1617, 1627, 1631, 1635, parent)
{
    setObjectName(QStringLiteral("AnalogOutput3Form"));
    setTitle(tr("Аналоговый выход 3"));
}
