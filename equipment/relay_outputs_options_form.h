#pragma once

#include "ui/baseform.h"

// One relay output: what switches it (its function), for the function "Авария СУ" which stop reason counts, and,
// for any function, the delay before it acts and the time it is held. Rebuilds itself when the function changes.
class RelayOutputsOptionsForm : public BaseForm
{
    Q_OBJECT
public:
    RelayOutputsOptionsForm(ushort idFunc, ushort idCond, ushort idDelay, ushort idHold, QWidget* parent);

    void createForm() override;
    void returnBackForm() override;

private:
    const quint16 idFunc_;
    const quint16 idCond_;
    const quint16 idDelay_;
    const quint16 idHold_;
};
