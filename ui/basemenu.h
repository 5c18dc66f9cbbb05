#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "ui/baseform.h"
#include "ui/pages.h"
#include "ui/pairlist.h"

// One row of a menu table. Child rows (plain or status buttons) open the screen `make` builds; the n-th child
// row shown opens the n-th screen of the menu's page list.
struct MenuItem {
    enum Kind { Child, Status, Action, Row };

    Kind kind = Child;
    QString text;
    // Resource path of a plain button's icon; empty for none.
    QString icon;
    // Child and Status: the screen the row opens, built when it is shown.
    const QMetaObject* page = nullptr;
    Pages::Make make = nullptr;
    // The row's condition, read when the table is built.
    bool shown = true;
    // Status: the parameter whose value picks the icon from `icons`.
    quint16 id = 0;
    PairList icons;
    // Action: the slot of the menu that the button calls.
    const char* slot = nullptr;
    // Row: adds a row of another kind (a selection, a value) to the menu.
    std::function<void(BaseForm*)> build;

    template <class Page>
    static MenuItem child(const QString& text, bool shown = true, const QString& icon = QString())
    {
        MenuItem item;
        item.text = text;
        item.icon = icon;
        item.page = &Page::staticMetaObject;
        item.make = &Pages::create<Page>;
        item.shown = shown;
        return item;
    }
    template <class Page>
    static MenuItem status(quint16 id, const QString& text, const PairList& icons, bool shown = true)
    {
        MenuItem item = child<Page>(text, shown);
        item.kind = Status;
        item.id = id;
        item.icons = icons;
        return item;
    }
    static MenuItem action(const QString& text, const char* slot, bool shown = true, const QString& icon = QString());
    static MenuItem row(std::function<void(BaseForm*)> build, bool shown = true);
};

// A menu built from a table of items. The table is read once when the rows are built; the page list that a
// press opens comes from that same reading, so a row always opens the screen it names.
class BaseMenu : public BaseForm
{
    Q_OBJECT
public:
    using Table = QList<MenuItem> (*)();

    BaseMenu(QWidget* parent, Table table);

    // The screens of the shown child rows, in table order, each built when it is first shown.
    static Pages pages(const QList<MenuItem>& items);

    void createForm() override;
    void setFormsList() override;

private:
    Table table_;
    QList<MenuItem> items_;
};
