#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// A message box of the panel; always heap-allocated, deletes itself when closed.
// Left open, it is rejected after UiClock::messageTimeoutMs() (300000 ms).
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    enum MsgType { Question = 0, Information = 1, Error = 2, Warning = 3 };

    MessageDialog(const QString& text, int type, QWidget* parent = nullptr);

    // Shows a message without waiting, unless one with the same text is open already; null then. Give it a
    // parent that outlives screen rebuilds (the main window).
    static MessageDialog* showOnce(const QString& text, int type, QWidget* parent);

    // Modal; 1 for "Да" or "Ok", 0 otherwise.
    int exec() override;
    QString text() const;
    int type() const { return type_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* textLabel_;
    QPushButton* yesButton_ = nullptr;
    QPushButton* noButton_ = nullptr;
    QTimer* timeout_;
    int type_;
    bool recorded_ = false;
};
