#pragma once

#include "ui/baseparamwidget.h"

class QLineEdit;

// Editable numeric row: name, value and unit of one parameter.
class BaseEditWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseEditWidget(quint16 id, const QString& name, QWidget* parent = nullptr);

    bool isEditable() const override { return true; }
    void enter() override;

    QString valueText() const override;
    QString unitText() const;
    // "Диапазон допустимых значений [min ... max]" in display units.
    QString rangeText() const;

    // Ends editing with the typed text: converted, range-checked and written when it differs.
    // False when the value was refused (the row then shows the warning state).
    bool confirm(const QString& text);
    void cancel();
    // The editor, made the first time the row is edited (null before).
    QLineEdit* lineEdit() const { return valueEdit_; }

    // Shows and takes the value in a unit of another quantity than the parameter's own (`physic`, `unitOut`),
    // as for a value compared with another parameter. The mirror's record stays as it is.
    void setDisplayUnit(quint8 physic, quint8 unitOut);

    // The unit label; a screen may give it a text of its own.
    QLabel* unitLabel_;

signals:
    void signalEditingBegin();

public slots:
    void refresh() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The record the row presents and converts with: the mirror's, or `copy` in the display unit set.
    const ParameterDef* shownDef(ParameterDef* copy) const;
    // The stored value for the text the operator typed in display form.
    bool parseShown(const QString& text, float* stored) const;
    void finishEditing(bool accepted);
    // Most rows are never edited: their editor is made on the first entry, in the value's place.
    void createEditor();

    QLabel* valueLabel_;
    QLineEdit* valueEdit_ = nullptr;
    QString savedInfo_;
    QString autoUnit_;
    bool ownUnit_ = false;
    quint8 physic_ = 0;
    quint8 unitOut_ = 0;
};
