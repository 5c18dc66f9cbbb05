#include "equipment/corrections_voltage_motor.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsVoltageMotor::CorrectionsVoltageMotor(QWidget* parent)
    : CorrectionsPage({716, 1159, 1415, LinesAbc, 1548, 1552}, parent)
{
    setObjectName(QStringLiteral("CorrectionsVoltageMotor"));
    setTitle(tr("Корректировка напряжений двигателя"));
}
