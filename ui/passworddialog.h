#pragma once

#include <QDialog>

// Asks for the password of an access level (parameters 573..576 hold levels 1..4).
class PasswordDialog : public QDialog
{
    Q_OBJECT
public:
    PasswordDialog(int level, const QString& prompt, QWidget* parent = nullptr);

    // Runs the dialog modally; true when the right password was entered.
    static bool ask(QWidget* parent, int level, const QString& prompt);

private:
    int level_;
};
