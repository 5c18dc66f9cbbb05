#pragma once

#include "ui/baseparamwidget.h"
#include "ui/pairlist.h"

// Read-only row showing the text that matches the parameter's value.
class BaseStatusTextWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseStatusTextWidget(quint16 id, const QString& name, const PairList& texts, QWidget* parent = nullptr);

    QString valueText() const override;
    PairList texts() const { return texts_; }

public slots:
    void refresh() override;

private:
    PairList texts_;
    QLabel* valueLabel_;
};
