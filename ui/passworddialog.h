#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// Asks for the password of an access level (parameters 573..576 hold levels 1..4);
// a right password grants the level (572 := level).
class PasswordDialog : public QDialog
{
    Q_OBJECT
public:
    PasswordDialog(int level, const QString& prompt, QWidget* parent = nullptr);

    // Runs the dialog modally; true when the right password was entered.
    static bool ask(QWidget* parent, int level, const QString& prompt);
    // Checks `text` against the level's password and grants the level when it matches.
    static bool check(int level, const QString& text);

    QLineEdit* lineEdit() const { return edit_; }

public slots:
    void accept() override;

private:
    int level_;
    QLabel* promptLabel_;
    QLabel* errorLabel_;
    QLineEdit* edit_;
};
