#pragma once

#include <QDialog>

class QLabel;

// A message box of the panel; always heap-allocated, deletes itself when closed.
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    enum MsgType { Question = 0, Information = 1, Error = 2, Warning = 3 };

    MessageDialog(const QString& text, int type, QWidget* parent = nullptr);

    int exec() override;

private:
    QLabel* textLabel_;
    int type_;
};
