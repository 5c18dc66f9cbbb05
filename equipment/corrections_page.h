#pragma once

#include "ui/baseform.h"

// A calibration page of one measuring point: its three measured values and their three coefficients. The
// calibration type (2085) decides which triple is edited; a voltage page shows phase or line voltages by the
// voltage display format (1178); a page with a work model adds the model's three values while 1518 is on.
class CorrectionsPage : public BaseForm
{
    Q_OBJECT
public:
    // Labels of the coefficient rows while line voltages are shown.
    enum LineLabels { NoLines, LinesAbc, LinesUvw };

    // The first id of each triple (phase A, B, C or U, V, W; line AB, BC, CA or UV, VW, WU follow in order); 0 where
    // the page has no such triple.
    struct Triples {
        quint16 phase;
        quint16 line;
        quint16 coefficients;
        LineLabels labels;
        quint16 modelPhase;
        quint16 modelLine;
    };

    CorrectionsPage(const Triples& triples, QWidget* parent);

    void createForm() override;
    void returnBackForm() override;

private:
    QString coefficientLabel(bool lines, int phase) const;

    const Triples triples_;
};
