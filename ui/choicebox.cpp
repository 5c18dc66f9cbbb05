#include "ui/choicebox.h"

#include <QEvent>

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("comboBox_"));
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(200);
}

QSize ChoiceBox::sizeHint() const
{
    measured_ = true;
    return QComboBox::sizeHint();
}

QSize ChoiceBox::minimumSizeHint() const
{
    measured_ = true;
    return QComboBox::minimumSizeHint();
}

void ChoiceBox::changeEvent(QEvent* event)
{
    // A new style (the row placed in its list) would have the box build its list to hand it an item delegate.
    const bool renewsList = event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
    if (renewsList && !measured_ && !hasList()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

bool ChoiceBox::hasList() const
{
    // The list is a popup window among the box's own children.
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* child : children) {
        if (child->isWindow())
            return true;
    }
    return false;
}
