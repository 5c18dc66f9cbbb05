#include "ui/dialoggate.h"

#include <QQueue>

namespace {

QQueue<QVariant>& answers()
{
    static QQueue<QVariant> queue;
    return queue;
}

QList<DialogGate::Record>& recorded()
{
    static QList<DialogGate::Record> list;
    return list;
}

bool rejectAll = false;

} // namespace

void DialogGate::setNextAnswer(const QVariant& answer)
{
    answers().enqueue(answer);
}

bool DialogGate::takeAnswer(QVariant* answer)
{
    if (answers().isEmpty())
        return false;
    *answer = answers().dequeue();
    return true;
}

int DialogGate::pendingAnswers()
{
    return answers().size();
}

void DialogGate::clearAnswers()
{
    answers().clear();
}

void DialogGate::setRejectUnanswered(bool on)
{
    rejectAll = on;
}

bool DialogGate::rejectUnanswered()
{
    return rejectAll;
}

void DialogGate::record(Kind kind, int type, const QString& text)
{
    recorded().append(Record{kind, type, text});
}

QList<DialogGate::Record> DialogGate::records()
{
    return recorded();
}

void DialogGate::clearRecords()
{
    recorded().clear();
}
