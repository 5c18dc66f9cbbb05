#include "ui/choicebox.h"

#include <QEvent>

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("comboBox_"));
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(200);
    polishing_ = true;
    ensurePolished();
    polishing_ = false;
}

void ChoiceBox::changeEvent(QEvent* event)
{
    // Nothing has been measured or listed yet: the new font has nothing to renew.
    if (polishing_ && event->type() == QEvent::FontChange) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}
