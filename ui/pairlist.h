#pragma once

#include <QPair>
#include <QString>
#include <QVector>

#include <initializer_list>

// An ordered list of (key, text) pairs: the choices of a selection row, the icons of a status button.
class PairList
{
public:
    PairList() = default;
    PairList(std::initializer_list<QPair<int, QString>> items) : items_(items) {}

    void append(int key, const QString& text);
    void clear();
    int size() const;
    bool isEmpty() const { return items_.isEmpty(); }
    // By position; `i` must lie inside the list.
    int key(int i) const;
    QString value(int i) const;
    // Position of the first entry with `key`, -1 when none.
    int indexOfKey(int key) const;

private:
    QVector<QPair<int, QString>> items_;
};
