#include "equipment/corrections_current_motor.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsCurrentMotor::CorrectionsCurrentMotor(QWidget* parent)
    : CorrectionsPage({2, 0, 1412, NoLines, 1544, 0}, parent)
{
    setObjectName(QStringLiteral("CorrectionsCurrentMotor"));
    setTitle(tr("Корректировка токов двигателя"));
}
