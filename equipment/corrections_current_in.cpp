#include "equipment/corrections_current_in.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsCurrentIn::CorrectionsCurrentIn(QWidget* parent)
    : CorrectionsPage({857, 0, 854, NoLines, 0, 0}, parent)
{
    setObjectName(QStringLiteral("CorrectionsCurrentIn"));
    setTitle(tr("Корректировка токов на входе"));
}
