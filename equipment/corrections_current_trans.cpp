#include "equipment/corrections_current_trans.h"

// Phase, line, coefficients, line labels, model phase, model line.
CorrectionsCurrentTrans::CorrectionsCurrentTrans(QWidget* parent)
    : CorrectionsPage({1167, 0, 1406, NoLines, 1532, 0}, parent)
{
    setObjectName(QStringLiteral("CorrectionsCurrentTrans"));
    setTitle(tr("Корректировка токов трансформатора"));
}
