#include "equipment/corrections_voltage_in.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsVoltageIn::CorrectionsVoltageIn(QWidget* parent)
    : CorrectionsPage({706, 709, 508, LinesAbc, 0, 0}, parent)
{
    setObjectName(QStringLiteral("CorrectionsVoltageIn"));
    setTitle(tr("Корректировка напряжений на входе"));
}
