#include <QtTest>

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "support/testmain.h"
#include "ui/eventitem.h"
#include "ui/rowlistlayout.h"

namespace {

// Counts the moves and resizes of the widgets it watches.
class GeometryWatch : public QObject
{
public:
    int changes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            ++changes;
        return QObject::eventFilter(watched, event);
    }
};

// A journal-like list: a resizable scroll area over a container with the given layout.
struct List
{
    QScrollArea area;
    QWidget* container = new QWidget;
    QLayout* layout = nullptr;

    explicit List(bool rowList)
    {
        if (rowList)
            layout = new RowListLayout(container);
        else
            layout = new QVBoxLayout(container);
        layout->setAlignment(Qt::AlignTop);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(2);
        area.setWidgetResizable(true);
        area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area.setWidget(container);
        area.resize(420, 300);
    }
    QWidget* add(const QString& message)
    {
        QString when = QStringLiteral("07.12.2026 04:50:12");
        QString what = message;
        auto* row = new EventItem(when, what, container);
        layout->addWidget(row);
        return row;
    }
    QWidget* row(int i) const { return layout->itemAt(i)->widget(); }
    // The area has brought up its scroll bar and the rows, the last one shown too, stand at the width beside it.
    bool settled() const
    {
        const QWidget* last = row(layout->count() - 1);
        return area.verticalScrollBar()->isVisible() && container->width() == area.viewport()->width()
               && last->isVisible() && last->geometry().right() == container->width() - 5
               && last->geometry().bottom() + 1 + 4 == container->height();
    }
};

QString message(int i)
{
    // Every fifth text wraps at the list's width.
    if (i % 5 == 0)
        return QStringLiteral("Сработала защита: Давление на приёме насоса %1 < 2.500 МПа, останов двигателя").arg(i);
    return QStringLiteral("Пуск оператором %1").arg(i);
}

// Plain rows of a given minimum height in a container of fixed size.
struct PlainList
{
    QWidget container;
    RowListLayout* layout = new RowListLayout(&container);

    PlainList()
    {
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(2);
        container.resize(300, 400);
    }
    QWidget* add(int minHeight)
    {
        auto* row = new QWidget(&container);
        row->setMinimumHeight(minHeight);
        layout->addWidget(row);
        return row;
    }
};

} // namespace

class TestRowListLayout : public QObject
{
    Q_OBJECT

private slots:
    void listedRowsTakeTheHeightTheirTextNeeds()
    {
        // Listed a row at a time while shown, as the journal is, then narrowed.
        List rows(true);
        rows.area.show();
        for (int i = 0; i < 40; ++i) {
            rows.add(message(i));
            QCoreApplication::processEvents();
        }
        for (int width : {420, 300}) {
            rows.area.resize(width, 300);
            QCoreApplication::processEvents();
            const int inner = rows.container->width() - 8;
            int top = 4;
            for (int i = 0; i < 40; ++i) {
                const QWidget* row = rows.row(i);
                const QLayoutItem* item = rows.layout->itemAt(i);
                const int wrapped = item->hasHeightForWidth() ? item->heightForWidth(inner) : item->sizeHint().height();
                QCOMPARE(row->geometry(), QRect(4, top, inner, qMax(wrapped, item->minimumSize().height())));
                top += row->height() + 2;
            }
            // The list is as tall as its rows wrapped, so the scroll range covers the last row.
            QCOMPARE(rows.container->height(), rows.layout->totalHeightForWidth(rows.container->width()));
            QCOMPARE(rows.container->height(), top - 2 + 4);
        }
    }

    void appendingLeavesTheRowsAboveInPlace()
    {
        List rows(true);
        rows.area.show();
        for (int i = 0; i < 30; ++i)
            rows.add(message(i));
        QTRY_VERIFY(rows.settled());
        GeometryWatch watch;
        for (int i = 0; i < 30; ++i)
            rows.row(i)->installEventFilter(&watch);
        QWidget* last = rows.add(message(30));
        QTRY_VERIFY(rows.settled());
        QCOMPARE(watch.changes, 0);
        QCOMPARE(last->geometry().top(), rows.row(29)->geometry().bottom() + 1 + 2);
    }

    void rowsBelowFollowAChangedHiddenOrRemovedRow()
    {
        PlainList list;
        QWidget* first = list.add(30);
        QWidget* second = list.add(45);
        QWidget* third = list.add(37);
        list.container.show();
        QCoreApplication::processEvents();
        QCOMPARE(first->geometry(), QRect(4, 4, 292, 30));
        QCOMPARE(second->geometry(), QRect(4, 36, 292, 45));
        QCOMPARE(third->geometry(), QRect(4, 83, 292, 37));

        first->setMinimumHeight(50);
        QCoreApplication::processEvents();
        QCOMPARE(second->geometry(), QRect(4, 56, 292, 45));
        QCOMPARE(third->geometry(), QRect(4, 103, 292, 37));

        second->hide();
        QCoreApplication::processEvents();
        QCOMPARE(third->geometry(), QRect(4, 56, 292, 37));
        QCOMPARE(list.layout->heightForWidth(300), 4 + 50 + 2 + 37 + 4);
        second->show();
        QCoreApplication::processEvents();
        QCOMPARE(third->geometry(), QRect(4, 103, 292, 37));

        list.container.resize(200, 400);
        QCoreApplication::processEvents();
        QCOMPARE(third->geometry(), QRect(4, 103, 192, 37));

        delete second;
        QCOMPARE(list.layout->count(), 2);
        QCoreApplication::processEvents();
        QCOMPARE(third->geometry(), QRect(4, 56, 192, 37));
        QCOMPARE(list.layout->minimumSize(), QSize(8, 4 + 50 + 2 + 37 + 4));
        QVERIFY(list.layout->itemAt(2) == nullptr);
        QVERIFY(list.layout->takeAt(5) == nullptr);
    }
};

RVK_TEST_MAIN(TestRowListLayout)
#include "tst_rowlistlayout.moc"
