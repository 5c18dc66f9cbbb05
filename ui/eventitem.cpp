#include "ui/eventitem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>

#include "ui/baseparamwidget.h"

EventItem::EventItem(QString& dateTime, QString& text, QWidget* parent)
    : QWidget(parent), eventItemTimeLabel_(new QLabel(dateTime, this)), eventItemMsgLabel_(new QLabel(text, this))
{
    setObjectName(QStringLiteral("EventItem"));
    setMinimumHeight(37);
    setFocusPolicy(Qt::StrongFocus);
    eventItemTimeLabel_->setObjectName(QStringLiteral("eventItemTimeLabel_"));
    eventItemMsgLabel_->setObjectName(QStringLiteral("eventItemMsgLabel_"));
    eventItemMsgLabel_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(eventItemTimeLabel_);
    layout->addWidget(eventItemMsgLabel_, 1);
    // Not polished yet: the style sheet reads the state when the row is first shown.
    setProperty("state", 0);
    eventItemTimeLabel_->setProperty("state", 0);
    eventItemMsgLabel_->setProperty("state", 0);
}

QString EventItem::dateTime() const
{
    return eventItemTimeLabel_->text();
}

QString EventItem::text() const
{
    return eventItemMsgLabel_->text();
}

void EventItem::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    setState(1);
}

void EventItem::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    setState(0);
}

void EventItem::paintEvent(QPaintEvent* event)
{
    // A plain QWidget draws no style-sheet background or border by itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}

void EventItem::setState(int state)
{
    BaseParamWidget::applyStateProperty(this, state);
}
