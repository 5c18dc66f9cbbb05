#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>

#include <initializer_list>

class BaseForm;
struct QMetaObject;

// The screens of a list of siblings. A page given by its class is built when it is first asked for, so a list
// costs what the page on show costs; a page given as a screen is that screen.
class Pages
{
public:
    using Make = BaseForm* (*)();

    Pages() = default;
    Pages(std::initializer_list<BaseForm*> forms);
    Pages(const QList<BaseForm*>& forms);

    template <class Page>
    static BaseForm* create()
    {
        return new Page(nullptr);
    }
    void add(const QMetaObject& page, Make make);
    void add(BaseForm* form);

    int size() const { return pages_.size(); }
    bool isEmpty() const { return pages_.isEmpty(); }
    // Read without building the page.
    QString className(int i) const;
    QStringList classNames() const;
    int indexOf(const QString& className) const;
    // `form` is one of the pages built.
    bool contains(const BaseForm* form) const;
    // Page i if it is built (and not deleted since), else null.
    BaseForm* built(int i) const;
    // Page i, built now if need be; null for a screen deleted since.
    BaseForm* form(int i);
    // A page given as a screen and deleted since: the list can no longer be shown whole.
    bool hasLost() const;
    // This list without those.
    Pages withoutLost() const;
    // Every page in a plain list, the unbuilt ones as new instances that the caller owns.
    QList<BaseForm*> instances() const;

    bool operator==(const Pages& other) const;
    bool operator!=(const Pages& other) const { return !(*this == other); }

private:
    struct Page {
        const QMetaObject* meta = nullptr;
        Make make = nullptr;
        QPointer<BaseForm> form;
        bool given = false;
    };
    QList<Page> pages_;
};
