#pragma once

#include <QWidget>

class QLabel;

// One row of the event journal: date and time on the left, the word-wrapped text on the right.
class EventItem : public QWidget
{
    Q_OBJECT
public:
    EventItem(QString& dateTime, QString& text, QWidget* parent = nullptr);

    QString dateTime() const;
    QString text() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setState(int state);

    QLabel* eventItemTimeLabel_;
    QLabel* eventItemMsgLabel_;
};
