#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QObject;

// Every modal dialog of the panel passes through here, so that tests can answer it and see what was shown, and so
// that no screen is replaced while a dialog opened from it is open.
class DialogGate
{
public:
    enum Kind { Message = 0, Password = 1, Keyboard = 2, Progress = 3 };

    struct Record {
        Kind kind;
        int type;      // MessageDialog::MsgType for messages, the level for passwords
        QString text;
    };

    // The answer of the next modal dialog: an int result (1 accept, 0 reject) or, for the password
    // dialog and the keyboard, the typed text (a null QVariant rejects).
    static void setNextAnswer(const QVariant& answer);
    static bool takeAnswer(QVariant* answer);
    static int pendingAnswers();
    static void clearAnswers();

    // With this on, a modal dialog without a scripted answer is rejected at once instead of waiting.
    static void setRejectUnanswered(bool on);
    static bool rejectUnanswered();

    static void record(Kind kind, int type, const QString& text);
    static QList<Record> records();
    static void clearRecords();

    // A modal dialog or a selection list is open, or a modal dialog's exec() has not returned yet.
    static bool isOpen();
    // Runs `fn` once, after the last open dialog has closed and its exec() has returned (posted, so never inside a
    // dialog's event loop); dropped when `context` is deleted first.
    static void whenClosed(QObject* context, std::function<void()> fn);

    // Held around a modal dialog's exec(): the dialog counts as open until exec() has returned, since the code that
    // opened it (and the widgets it belongs to) runs on after.
    class ExecScope
    {
    public:
        ExecScope();
        ~ExecScope();
        ExecScope(const ExecScope&) = delete;
        ExecScope& operator=(const ExecScope&) = delete;
    };
};
