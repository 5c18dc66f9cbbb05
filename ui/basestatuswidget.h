#pragma once

#include "ui/baseparamwidget.h"

// Read-only numeric row: name, value and unit.
class BaseStatusWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseStatusWidget(quint16 id, const QString& name, QWidget* parent = nullptr);

    // Shows the raw value in base 2 ("0000000000000101b"), the unit hidden.
    void setBitEnabled();
    bool isBitEnabled() const { return bits_; }
    QString valueText() const override;

    // The unit label; a screen may give it a text of its own.
    QLabel* unitLabel_;

public slots:
    void refresh() override;

private:
    QLabel* valueLabel_;
    bool bits_ = false;
    QString autoUnit_;
};
