#include "equipment/corrections_voltage_out.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsVoltageOut::CorrectionsVoltageOut(QWidget* parent)
    : CorrectionsPage({1144, 1148, 1403, LinesUvw, 1524, 1528}, parent)
{
    setObjectName(QStringLiteral("CorrectionsVoltageOut"));
    setTitle(tr("Корректировка напряжений на выходе"));
}
