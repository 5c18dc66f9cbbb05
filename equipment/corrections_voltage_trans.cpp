#include "equipment/corrections_voltage_trans.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsVoltageTrans::CorrectionsVoltageTrans(QWidget* parent)
    : CorrectionsPage({1152, 1156, 1409, LinesAbc, 1536, 1540}, parent)
{
    setObjectName(QStringLiteral("CorrectionsVoltageTrans"));
    setTitle(tr("Корректировка напряжений трансформатора"));
}
