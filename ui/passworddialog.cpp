#include "ui/passworddialog.h"

PasswordDialog::PasswordDialog(int level, const QString& prompt, QWidget* parent)
    : QDialog(parent), level_(level)
{
    setWindowTitle(prompt);
}

bool PasswordDialog::ask(QWidget* parent, int level, const QString& prompt)
{
    PasswordDialog dialog(level, prompt, parent);
    return dialog.exec() == QDialog::Accepted;
}
