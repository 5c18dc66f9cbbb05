#include "ui/basemenu.h"

#include <QPixmap>

MenuItem MenuItem::action(const QString& text, const char* slot, bool shown, const QString& icon)
{
    MenuItem item;
    item.kind = Action;
    item.text = text;
    item.icon = icon;
    item.slot = slot;
    item.shown = shown;
    return item;
}

MenuItem MenuItem::row(std::function<void(BaseForm*)> build, bool shown)
{
    MenuItem item;
    item.kind = Row;
    item.build = std::move(build);
    item.shown = shown;
    return item;
}

BaseMenu::BaseMenu(QWidget* parent, Table table)
    : BaseForm(parent, true), table_(table)
{
}

Pages BaseMenu::pages(const QList<MenuItem>& items)
{
    Pages list;
    for (const MenuItem& item : items) {
        if (item.shown && item.make)
            list.add(*item.page, item.make);
    }
    return list;
}

void BaseMenu::createForm()
{
    items_ = table_();
    for (const MenuItem& item : qAsConst(items_)) {
        if (!item.shown)
            continue;
        const QPixmap icon = item.icon.isEmpty() ? QPixmap() : QPixmap(item.icon);
        switch (item.kind) {
        case MenuItem::Child:
            addButton(item.text, icon);
            break;
        case MenuItem::Status:
            addStatusButton(item.id, item.text, item.icons);
            break;
        case MenuItem::Action:
            addButton(item.text, item.slot, icon);
            break;
        case MenuItem::Row:
            if (item.build)
                item.build(this);
            break;
        }
    }
}

void BaseMenu::setFormsList()
{
    BaseForm::setFormsList(pages(items_));
}
