#pragma once

#include <QLayout>
#include <QList>
#include <QVector>

// The rows of a plain list screen, stacked from the top at their minimum heights, each across the full width, with
// fixed spacing: where a top-aligned QVBoxLayout puts them once the list is tall enough. Like that layout, the list
// asks for the height its rows would take wrapped. A new geometry moves only the rows whose place changed, so
// appending to a long list costs one row rather than a pass over every row.
class RowListLayout : public QLayout
{
    Q_OBJECT
public:
    explicit RowListLayout(QWidget* parent);
    ~RowListLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    // Heights of the rows for a content width, -1 for a hidden row; cached until the next invalidate().
    const QVector<int>& rowHeights(int contentWidth) const;
    int gap() const;
    QSize summed(QSize (QLayoutItem::*size)() const) const;

    QList<QLayoutItem*> items_;
    mutable QVector<int> heights_;
    mutable int heightsWidth_ = -1;
};
