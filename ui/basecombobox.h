#pragma once

#include "ui/baseparamwidget.h"
#include "ui/pairlist.h"

class QComboBox;

// Selection row of one parameter.
class BaseComboBox : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseComboBox(quint16 id, const QString& name, const PairList& choices, QWidget* parent = nullptr);

    bool isEditable() const override { return true; }
    void enter() override;

    // Replaces the choices with a copy of `choices` and selects the parameter's value.
    void setValuesList(const PairList& choices);
    // The entries offered, the extra entry of an unknown value included.
    PairList valuesList() const;
    int currentKey() const;
    QString currentText() const;
    QString valueText() const override { return currentText(); }
    QComboBox* comboBox() const { return combo_; }

    // The operator chose the entry at `index`: range-checked and written when it differs;
    // false (and the mirrored value shown again) when refused.
    bool choose(int index);

public slots:
    void refresh() override;

private slots:
    void slotActivated(int index);

private:
    void fill();
    void selectValue();

    PairList choices_;
    PairList shown_;
    QComboBox* combo_;
    bool open_ = false;
};
