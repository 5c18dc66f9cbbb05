#include "ui/dialoggate.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QQueue>
#include <QTimer>
#include <QWidget>

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

int execDepth = 0;

struct Waiting {
    QPointer<QObject> context;
    std::function<void()> fn;
};

QList<Waiting>& waiting()
{
    static QList<Waiting> list;
    return list;
}

void runWaiting();

// Posts one check for the waiting callbacks.
void scheduleCheck()
{
    static bool scheduled = false;
    if (scheduled || waiting().isEmpty() || !QCoreApplication::instance())
        return;
    scheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        scheduled = false;
        runWaiting();
    });
}

void runWaiting()
{
    if (DialogGate::isOpen())
        return;
    const QList<Waiting> due = waiting();
    waiting().clear();
    for (const Waiting& w : due) {
        if (w.context)
            w.fn();
    }
}

// Sees every window that hides: a closing dialog or selection list may be the last one open.
class CloseWatcher : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            scheduleCheck();
        return false;
    }
};

void watchCloses()
{
    static QPointer<CloseWatcher> watcher;
    if (watcher || !QCoreApplication::instance())
        return;
    watcher = new CloseWatcher;
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

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

bool DialogGate::isOpen()
{
    return execDepth > 0 || QApplication::activeModalWidget() || QApplication::activePopupWidget();
}

void DialogGate::whenClosed(QObject* context, std::function<void()> fn)
{
    watchCloses();
    waiting().append(Waiting{context, std::move(fn)});
    scheduleCheck();
}

DialogGate::ExecScope::ExecScope()
{
    ++execDepth;
}

DialogGate::ExecScope::~ExecScope()
{
    if (--execDepth == 0)
        scheduleCheck();
}
