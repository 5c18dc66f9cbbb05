#pragma once

// Helpers for screen tests.
//
//   UiFixture ui;                               // mirror, main window, fast row refresh, modal dialogs scripted
//   ui.addParameter(100, 0.0f, 0.0f, 50.0f);     // a parameter the test needs
//   FakeController mc;                           // answers writes: accepts (the mirror takes the value) or refuses
//   DialogGate::setNextAnswer(1);                // the next modal dialog is accepted
//   UiInspect::rows(form);                       // kind, id, label, choices, editable of every row
//   UiInspect::formClasses(ui.window());         // class names of the shown list

#include <QList>
#include <QPair>
#include <QScopedPointer>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include "app/parameterdef.h"
#include "ui/dialoggate.h"
#include "ui/pages.h"
#include "ui/uiinspect.h"

class BaseForm;
class MainWindow;
class Parameters;
class TestStation;

// The mirror and a main window for screen tests, installed as the screens' station: the application's mirror when
// the test runs the application object, else one of the fixture's own. Modal dialogs without a scripted answer are
// rejected at once and every message shown is recorded; the row refresh runs after `refreshMs`.
class UiFixture
{
public:
    explicit UiFixture(int refreshMs = 5);
    ~UiFixture();

    Parameters* params() const;
    MainWindow* window() const { return window_; }

    // Adds (or replaces) parameter `id` with a valid value and limits.
    ParameterDef& addParameter(quint16 id, float value, float min = 0.0f, float max = 100000.0f, quint8 access = 0,
                               quint8 operation = 2);
    // Stores a value as the controller would report it.
    void report(quint16 id, float value);
    void reportRaw(quint16 id, quint32 raw);
    // Stores "id=value;id=value" in that order.
    void report(const QString& values);
    // Runs the event loop until every timer of this thread started so far that falls due within `ms` has
    // fired, and what it posted has run, however busy the machine (a timer that one of them starts may still
    // be pending): the rows refreshed, a rebuild after its delay; or nothing, where nothing may happen.
    static void settle(int ms = 30);
    // Shows `pages` current on the screen of class `screen`, as a way back or a rebuild does; null when the page
    // on show is not of that class.
    BaseForm* showPage(const Pages& pages, const QString& screen);

    // Presses `key` as the panel does: on the widget with the focus (or the screen on show), or on the open
    // selection list; then runs the deferred deletions of replaced screens.
    static void key(MainWindow* window, int key);

    static QList<DialogGate::Record> messages();
    // Dialogs of `kind` recorded (only those of `text` when one is given).
    static int dialogCount(DialogGate::Kind kind, const QString& text = QString());
    // Messages of `text` open now (shown without waiting and not yet closed).
    static int openMessages(const QString& text);
    // Closes every open message and deletes it.
    static void closeMessages();
    // The rows of `form` as "kind id label" (and " value" with `withValue`), one a row.
    static QStringList rowLines(const BaseForm* form, bool withValue = false);

private:
    Parameters* params_ = nullptr;
    QScopedPointer<Parameters> ownParams_;
    MainWindow* window_ = nullptr;
    QScopedPointer<TestStation> station_;
};

// Answers the panel's writes as the main controller would: accepted writes come back as parameter updates. Create
// it after the station (a UiFixture).
class FakeController
{
public:
    FakeController();
    ~FakeController();

    void setAccept(bool accept) { accept_ = accept; }
    struct Write {
        quint16 id;
        quint32 raw;
        int eventType;
        float value() const;
    };
    QList<Write> writes() const { return writes_; }
    // The writes of `id` as "value/eventType".
    QStringList writesOf(quint16 id) const;
    void clear() { writes_.clear(); }

private:
    QMetaObject::Connection connection_;
    QList<Write> writes_;
    bool accept_ = true;
};
