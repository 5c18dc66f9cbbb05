#include "ui/pushbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/baseparamwidget.h"
#include <QVariant>

PushButton::PushButton(int index, QString text, QPixmap pixmap, QWidget* parent)
    : QPushButton(parent), index_(index)
{
    setObjectName(QStringLiteral("PushButton_%1").arg(index));
    setText(text);
    if (!pixmap.isNull()) {
        setIcon(QIcon(pixmap));
        setIconSize(QSize(32, 32));
    }
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setProperty("state", 0);
}

void PushButton::setSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    BaseParamWidget::applyStateProperty(this, selected ? 1 : 0);
}

void PushButton::press()
{
    emit clicked(index_);
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        event->accept();
        press();
        return;
    default:
        // Navigation belongs to the screen.
        event->ignore();
    }
}

void PushButton::mousePressEvent(QMouseEvent* event)
{
    pressed_ = true;
    pressPos_ = event->pos();
    setDown(true);
    event->accept();
}

void PushButton::mouseReleaseEvent(QMouseEvent* event)
{
    setDown(false);
    const bool samePlace = pressed_ && (event->pos() - pressPos_).manhattanLength() <= 4;
    pressed_ = false;
    event->accept();
    if (samePlace)
        press();
}
