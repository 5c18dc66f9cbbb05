#include "ui/rowlistlayout.h"

#include <QWidget>

RowListLayout::RowListLayout(QWidget* parent)
    : QLayout(parent)
{
}

RowListLayout::~RowListLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void RowListLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
    invalidate();
}

int RowListLayout::count() const
{
    return items_.size();
}

QLayoutItem* RowListLayout::itemAt(int index) const
{
    return items_.value(index);
}

QLayoutItem* RowListLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size())
        return nullptr;
    QLayoutItem* item = items_.takeAt(index);
    invalidate();
    return item;
}

int RowListLayout::gap() const
{
    // No spacing set and none from the style: rows touch.
    return qMax(0, spacing());
}

void RowListLayout::invalidate()
{
    heightsWidth_ = -1;
    QLayout::invalidate();
}

const QVector<int>& RowListLayout::rowHeights(int contentWidth) const
{
    if (heightsWidth_ == contentWidth && heights_.size() == items_.size())
        return heights_;
    heights_.resize(items_.size());
    for (int i = 0; i < items_.size(); ++i) {
        const QLayoutItem* item = items_.at(i);
        if (item->isEmpty())
            heights_[i] = -1;
        else if (item->hasHeightForWidth())
            heights_[i] = item->heightForWidth(contentWidth);
        else
            heights_[i] = item->sizeHint().height();
    }
    heightsWidth_ = contentWidth;
    return heights_;
}

QSize RowListLayout::summed(QSize (QLayoutItem::*size)() const) const
{
    int width = 0;
    int height = 0;
    int shown = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize s = (item->*size)();
        width = qMax(width, s.width());
        height += s.height();
        ++shown;
    }
    if (shown > 1)
        height += (shown - 1) * gap();
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

QSize RowListLayout::sizeHint() const
{
    return summed(&QLayoutItem::sizeHint);
}

QSize RowListLayout::minimumSize() const
{
    return summed(&QLayoutItem::minimumSize);
}

Qt::Orientations RowListLayout::expandingDirections() const
{
    Qt::Orientations directions;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty())
            directions |= item->expandingDirections();
    }
    return directions;
}

bool RowListLayout::hasHeightForWidth() const
{
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty() && item->hasHeightForWidth())
            return true;
    }
    return false;
}

int RowListLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    const QVector<int>& heights = rowHeights(width - m.left() - m.right());
    int height = 0;
    int shown = 0;
    for (int h : heights) {
        if (h < 0)
            continue;
        height += h;
        ++shown;
    }
    if (shown > 1)
        height += (shown - 1) * gap();
    return height + m.top() + m.bottom();
}

void RowListLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect content = rect.marginsRemoved(contentsMargins());
    // A row whose text wraps gets the height it needs at this width, never less than its minimum.
    const QVector<int>& heights = rowHeights(content.width());
    int y = content.y();
    for (int i = 0; i < items_.size(); ++i) {
        QLayoutItem* item = items_.at(i);
        if (item->isEmpty())
            continue;
        const QRect cell(content.x(), y, content.width(), qMax(heights.at(i), item->minimumSize().height()));
        // Setting an unchanged place again would still mark the row for a new opaque-region pass at the next paint.
        if (item->geometry() != cell)
            item->setGeometry(cell);
        y += cell.height() + gap();
    }
}
