#pragma once

#include "ui/baseparamwidget.h"
#include "ui/pairlist.h"

class QComboBox;

// Free selection row bound to no parameter; holds the key of its current choice.
class BaseComboBox2 : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseComboBox2(const QString& name, const PairList& choices, int value, QWidget* parent = nullptr);

    bool isEditable() const override { return true; }
    void enter() override;

    // Replaces the choices and selects `value` (the first choice when none matches); emits nothing.
    void setValuesList(const PairList& choices, int value);
    PairList valuesList() const { return choices_; }
    int key() const { return key_; }
    QString valueText() const override;
    QComboBox* comboBox() const { return combo_; }

    // The operator chose the entry at `index`: the key is stored, then signalEditingEnd(true).
    void choose(int index);

public slots:
    void refresh() override {}

private:
    PairList choices_;
    QComboBox* combo_;
    int key_ = 0;
};
