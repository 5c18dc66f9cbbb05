#include "ui/pages.h"

#include "ui/baseform.h"

Pages::Pages(std::initializer_list<BaseForm*> forms)
{
    for (BaseForm* form : forms)
        add(form);
}

Pages::Pages(const QList<BaseForm*>& forms)
{
    for (BaseForm* form : forms)
        add(form);
}

void Pages::add(const QMetaObject& page, Make make)
{
    Page entry;
    entry.meta = &page;
    entry.make = make;
    pages_.append(entry);
}

void Pages::add(BaseForm* form)
{
    if (!form)
        return;
    Page entry;
    entry.meta = form->metaObject();
    entry.form = form;
    entry.given = true;
    pages_.append(entry);
}

QString Pages::className(int i) const
{
    return QString::fromLatin1(pages_.at(i).meta->className());
}

QStringList Pages::classNames() const
{
    QStringList names;
    for (int i = 0; i < pages_.size(); ++i)
        names.append(className(i));
    return names;
}

int Pages::indexOf(const QString& className) const
{
    return classNames().indexOf(className);
}

bool Pages::contains(const BaseForm* form) const
{
    for (const Page& page : pages_) {
        if (form && page.form == form)
            return true;
    }
    return false;
}

BaseForm* Pages::built(int i) const
{
    return pages_.at(i).form.data();
}

BaseForm* Pages::form(int i)
{
    Page& page = pages_[i];
    if (!page.form && !page.given)
        page.form = page.make();
    return page.form.data();
}

bool Pages::hasLost() const
{
    for (const Page& page : pages_) {
        if (page.given && !page.form)
            return true;
    }
    return false;
}

Pages Pages::withoutLost() const
{
    Pages list;
    for (const Page& page : pages_) {
        if (!page.given || page.form)
            list.pages_.append(page);
    }
    return list;
}

QList<BaseForm*> Pages::instances() const
{
    QList<BaseForm*> list;
    for (const Page& page : pages_)
        list.append(page.form ? page.form.data() : page.given ? nullptr : page.make());
    return list;
}

bool Pages::operator==(const Pages& other) const
{
    if (pages_.size() != other.pages_.size())
        return false;
    for (int i = 0; i < pages_.size(); ++i) {
        const Page& a = pages_.at(i);
        const Page& b = other.pages_.at(i);
        if (a.meta != b.meta || a.form != b.form || a.given != b.given)
            return false;
    }
    return true;
}
