#pragma once

#include "ui/baseparamwidget.h"

class QDateTimeEdit;
class QLabel;

// Row of a date and time held as seconds in a 32-bit parameter. Enter opens a date-time editor: Up and Down
// change the field under the cursor, Left and Right move it, Enter writes, Escape leaves the value as it was.
class DateTimeEditWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    DateTimeEditWidget(quint16 id, const QString& name, QWidget* parent = nullptr);

    bool isEditable() const override { return true; }
    void enter() override;

    QString valueText() const override;
    QDateTimeEdit* editor() const { return editor_; }

    // Writes the edited date and time when it lies in the parameter's limits and differs; false when refused.
    bool confirm();
    void cancel();

public slots:
    void refresh() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finishEditing();

    QLabel* valueLabel_;
    QDateTimeEdit* editor_;
    QString savedInfo_;
};
