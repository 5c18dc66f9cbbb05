#include "equipment/analog_output_2_form.h"

// Type, carried value, scale minimum, scale maximum.
AnalogOutput2Form::AnalogOutput2Form(QWidget* parent)
    : AnalogOutputsForm(1616, 1626, 1630, 1634, parent)
{
    setObjectName(QStringLiteral("AnalogOutput2Form"));
    setTitle(tr("Аналоговый выход 2"));
}
