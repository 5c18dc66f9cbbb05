#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "ui/uiinspect.h"

class BaseForm;
class MainWindow;

// Walks, with the panel's keys, every screen reachable from a root menu: each list of pages that a child row
// opens and each page of it reached with Right, every screen class once. Each screen is reached afresh from a
// new root, so a screen whose way back is wrong does not lead the walk astray. Modal questions are answered
// "Нет" and messages closed, so the walk never waits for an operator.
class ScreenWalker
{
public:
    // One key of the way to a screen. Open: the child row at `position` (Down to it, then Return); Next: the
    // next page (Right).
    struct Step {
        enum Kind { Open, Next };
        Kind kind;
        int position;
    };
    // The steps from a new root to a screen; empty for the root.
    using Route = QVector<Step>;

    struct Screen {
        QStringList path;  // titles from the root down to this screen, its own last
        QString title;
        QString className;
        QList<RowInfo> rows;
        QStringList messages;  // texts of the messages and questions shown when the screen was
        Route route;
    };

    ScreenWalker(MainWindow* window, std::function<BaseForm*()> root);

    // Calls `visit` for every screen, in walk order; false when a step opened nothing (see errors()).
    bool walk(const std::function<void(const Screen&)>& visit);
    // Reaches the screen at the end of `route` afresh, as the walk does: the steps before the last taken and
    // settled, the cursor on the row the last step opens. Then calls `last` with the function that takes the last
    // key (for the root: shows it), so that the caller may time that key alone. False when a step opened nothing.
    bool reach(const Route& route, const std::function<void(const std::function<void()>&)>& last);
    // What went wrong in the last walk() or reach().
    QStringList errors() const { return errors_; }

private:
    void walkFrom(const QVector<Step>& steps, const QStringList& path,
                  const std::function<void(const Screen&)>& visit);
    bool navigate(const QVector<Step>& steps);
    bool take(const Step& step);
    // Moves the cursor of the screen on show to its child row at `position`.
    bool point(int position);
    bool open(int position);
    void key(int key);
    // Runs the event loop until the current screen and its row count have held for `quietMs`.
    void settle(int quietMs);
    static void closeDialogs();
    static QStringList takeMessages();
    BaseForm* current() const;

    MainWindow* window_;
    std::function<BaseForm*()> root_;
    QSet<QString> seen_;
    QStringList errors_;
};
