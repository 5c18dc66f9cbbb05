#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Every modal dialog of the panel passes through here, so that tests can answer it and see what was shown.
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
};
