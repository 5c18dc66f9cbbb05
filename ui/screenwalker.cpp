#include "ui/screenwalker.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include "ui/baseform.h"
#include "ui/dialoggate.h"
#include "ui/mainwindow.h"

namespace {
// A screen whose rows keep changing (a list filled on a timer) counts as built once its row count has held
// this long, or after kSettleMaxMs.
constexpr int kQuietMs = 20;
constexpr int kSettleMaxMs = 5000;
// Long enough for a screen passed on the way to show (it signals 1 ms after).
constexpr int kPassingMs = 3;

// While it lives, a modal question nobody scripted is answered "Нет" at once.
class RejectingUnanswered
{
public:
    RejectingUnanswered() : before_(DialogGate::rejectUnanswered()) { DialogGate::setRejectUnanswered(true); }
    ~RejectingUnanswered() { DialogGate::setRejectUnanswered(before_); }
    RejectingUnanswered(const RejectingUnanswered&) = delete;
    RejectingUnanswered& operator=(const RejectingUnanswered&) = delete;

private:
    const bool before_;
};
} // namespace

ScreenWalker::ScreenWalker(MainWindow* window, std::function<BaseForm*()> root)
    : window_(window), root_(std::move(root))
{
}

BaseForm* ScreenWalker::current() const
{
    return window_ ? window_->currentForm() : nullptr;
}

bool ScreenWalker::walk(const std::function<void(const Screen&)>& visit)
{
    seen_.clear();
    errors_.clear();
    if (!window_ || !root_) {
        errors_ << QStringLiteral("no main window or no root screen");
        return false;
    }
    {
        const RejectingUnanswered rejecting;
        walkFrom({}, {}, visit);
    }
    closeDialogs();
    return errors_.isEmpty();
}

bool ScreenWalker::reach(const Route& route, const std::function<void(const std::function<void()>&)>& last)
{
    errors_.clear();
    if (!window_ || !root_ || !last) {
        errors_ << QStringLiteral("no main window, root screen or last step");
        return false;
    }
    {
        const RejectingUnanswered rejecting;
        if (route.isEmpty()) {
            closeDialogs();
            last([this] { window_->addForm(root_(), 0); });
        } else if (navigate(route.mid(0, route.size() - 1))) {
            const Step step = route.last();
            if (step.kind == Step::Next || point(step.position)) {
                settle(kQuietMs);
                const Pages before = window_->pages();
                const BaseForm* shown = current();
                last([this, step] { key(step.kind == Step::Next ? Qt::Key_Right : Qt::Key_Return); });
                if (window_->pages() == before && current() == shown)
                    errors_ << QStringLiteral("the last step of the route opened nothing");
            }
        }
        // Whatever the screen reached does once shown runs while questions are still answered.
        settle(kQuietMs);
    }
    closeDialogs();
    return errors_.isEmpty();
}

void ScreenWalker::walkFrom(const QVector<Step>& steps, const QStringList& path,
                            const std::function<void(const Screen&)>& visit)
{
    if (!navigate(steps))
        return;
    struct Pending {
        QVector<Step> steps;
        QStringList path;
    };
    QList<Pending> children;
    // Right goes only as far as the last page of a class not seen yet.
    const Pages& list = window_->pages();
    int pages = 0;
    for (int page = 0; page < list.size(); ++page) {
        if (!seen_.contains(list.className((window_->currentIndex() + page) % list.size())))
            pages = page + 1;
    }
    QVector<Step> at = steps;
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            DialogGate::clearRecords();
            key(Qt::Key_Right);
            settle(kQuietMs);
            at.append(Step{Step::Next, 0});
        }
        const QStringList messages = takeMessages();
        BaseForm* form = current();
        if (!form)
            break;
        const QString className = QString::fromLatin1(form->metaObject()->className());
        if (seen_.contains(className))
            continue;
        seen_.insert(className);
        Screen screen;
        screen.path = path + QStringList{form->title()};
        screen.title = form->title();
        screen.className = className;
        screen.rows = UiInspect::rows(form);
        screen.messages = messages;
        screen.route = at;
        visit(screen);
        for (int position = 0; position < form->childButtonCount(); ++position)
            children.append(Pending{at + QVector<Step>{Step{Step::Open, position}}, screen.path});
    }
    for (const Pending& child : qAsConst(children))
        walkFrom(child.steps, child.path, visit);
}

bool ScreenWalker::navigate(const QVector<Step>& steps)
{
    closeDialogs();
    if (steps.isEmpty())
        DialogGate::clearRecords();
    window_->addForm(root_(), 0);
    for (const Step& step : steps) {
        // Screens passed on the way only show; what the last step shows belongs to the screen reached.
        settle(kPassingMs);
        DialogGate::clearRecords();
        if (!take(step))
            return false;
    }
    settle(kQuietMs);
    return true;
}

bool ScreenWalker::take(const Step& step)
{
    if (step.kind == Step::Open)
        return open(step.position);
    key(Qt::Key_Right);
    return true;
}

bool ScreenWalker::point(int position)
{
    BaseForm* menu = current();
    int row = 0;
    while (menu && row < menu->rowCount() && menu->childButtonPosition(row) != position)
        ++row;
    const QString name = menu ? QString::fromLatin1(menu->metaObject()->className()) : QString();
    if (!menu || row >= menu->rowCount()) {
        errors_ << QStringLiteral("%1 has no child row %2").arg(name).arg(position);
        return false;
    }
    for (int i = 0; i < menu->rowCount() && menu->currentRow() != row; ++i)
        key(Qt::Key_Down);
    if (menu->currentRow() != row) {
        errors_ << QStringLiteral("%1: Down does not reach row %2").arg(name).arg(row);
        return false;
    }
    return true;
}

bool ScreenWalker::open(int position)
{
    if (!point(position))
        return false;
    const QString name = QString::fromLatin1(current()->metaObject()->className());
    const Pages before = window_->pages();
    key(Qt::Key_Return);
    if (window_->pages() == before) {
        errors_ << QStringLiteral("%1: child row %2 opened nothing").arg(name).arg(position);
        return false;
    }
    return true;
}

void ScreenWalker::key(int key)
{
    // As the panel keys: to the widget with the focus, from which the keys a row leaves reach the screen.
    QWidget* target = window_->focusWidget();
    if (!target || !window_->isAncestorOf(target))
        target = current();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

void ScreenWalker::settle(int quietMs)
{
    QElapsedTimer total;
    total.start();
    QElapsedTimer quiet;
    quiet.start();
    int rows = -1;
    const BaseForm* form = nullptr;
    while (total.elapsed() < kSettleMaxMs) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
        const BaseForm* now = current();
        const int count = now ? now->rowCount() : -1;
        if (now != form || count != rows) {
            form = now;
            rows = count;
            quiet.restart();
        } else if (quiet.elapsed() >= quietMs) {
            break;
        }
    }
    closeDialogs();
}

void ScreenWalker::closeDialogs()
{
    // Messages shown without waiting stay open until closed; a modal one was answered by the gate already.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
    }
}

QStringList ScreenWalker::takeMessages()
{
    QStringList texts;
    for (const DialogGate::Record& record : DialogGate::records()) {
        if (record.kind == DialogGate::Message)
            texts << record.text;
    }
    DialogGate::clearRecords();
    return texts;
}
