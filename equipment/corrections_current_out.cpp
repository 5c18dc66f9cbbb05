#include "equipment/corrections_current_out.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsCurrentOut::CorrectionsCurrentOut(QWidget* parent)
    : CorrectionsPage({1163, 0, 511, NoLines, 1520, 0}, parent)
{
    setObjectName(QStringLiteral("CorrectionsCurrentOut"));
    setTitle(tr("Корректировка токов на выходе"));
}
