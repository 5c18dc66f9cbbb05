#include "ui/pairlist.h"

void PairList::append(int key, const QString& text)
{
    items_.append(qMakePair(key, text));
}

void PairList::clear()
{
    items_.clear();
}

int PairList::size() const
{
    return items_.size();
}

int PairList::key(int i) const
{
    Q_ASSERT(i >= 0 && i < items_.size());
    return items_.at(i).first;
}

QString PairList::value(int i) const
{
    Q_ASSERT(i >= 0 && i < items_.size());
    return items_.at(i).second;
}

int PairList::indexOfKey(int key) const
{
    for (int i = 0; i < items_.size(); ++i) {
        if (items_.at(i).first == key)
            return i;
    }
    return -1;
}
