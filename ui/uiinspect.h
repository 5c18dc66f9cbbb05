#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class BaseForm;
class MainWindow;

// One row of a screen as the screen dump and the tests see it.
struct RowInfo {
    QString kind;     // "edit", "status", "bits", "statusText", "combo", "combo2", "string", "button",
                      // "statusButton", "event", "widget"
    int id = -1;      // parameter id, -1 when the row is bound to none
    QString label;
    QString value;    // the value text shown; the icon of a status button, the time of an event
    QList<int> keys;  // choices of selection rows
    QStringList texts;
    bool editable = false;
    bool childButton = false;
};

// Reads the rows of a screen and the screens of the main window by their kinds.
class UiInspect
{
public:
    static QList<RowInfo> rows(const BaseForm* form);
    static RowInfo row(const BaseForm* form, int index);
    static QStringList formClasses(const MainWindow* window);
    static int currentIndex(const MainWindow* window);
    // Current row of the current screen, -1 when none.
    static int focusedRow(const MainWindow* window);
    static QString currentClass(const MainWindow* window);
};
