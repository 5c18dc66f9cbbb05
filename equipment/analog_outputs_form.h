#pragma once

#include "ui/baseform.h"

// One analog output: its signal type, the station value it carries, that value now, and the two ends of its
// scale, shown in the carried value's display unit. Rebuilds itself when the type or the carried value changes.
class AnalogOutputsForm : public BaseForm
{
    Q_OBJECT
public:
    AnalogOutputsForm(ushort typeId, ushort paramId, ushort minId, ushort maxId, QWidget* parent);

    void createForm() override;
    void returnBackForm() override;

private:
    const quint16 typeId_;
    const quint16 paramId_;
    const quint16 minId_;
    const quint16 maxId_;
};
