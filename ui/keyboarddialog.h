#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// The on-screen keyboard: a grid of Latin letters, digits and a few signs navigated with the arrows.
class KeyboardDialog : public QDialog
{
    Q_OBJECT
public:
    KeyboardDialog(const QString& title, const QString& text, int maxLength, QWidget* parent = nullptr);

    // Runs the keyboard modally over `parent`; true and `text` replaced when accepted.
    static bool getText(QWidget* parent, const QString& title, QString* text, int maxLength);
    // The characters the keyboard types: printable ASCII.
    static bool isKeyChar(QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; }

    QString text() const { return text_; }
    int currentKey() const { return current_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pressKey(int index);
    void moveTo(int index);
    void typeChar(QChar c);
    void updateText();

    QLabel* textLabel_;
    QList<QPushButton*> keys_;
    QString text_;
    int maxLength_;
    int current_ = 0;
    int columns_ = 10;
};
