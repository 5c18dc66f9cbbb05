#pragma once

#include <QPixmap>
#include <QPoint>
#include <QPushButton>

// A button row; emits clicked(index) on Return, Enter or F4, or a press and release at one place.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    PushButton(int index, QString text, QPixmap pixmap, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setIndex(int index) { index_ = index; }
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    // Emits clicked(index).
    void press();

signals:
    void clicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool selected_ = false;
    QPoint pressPos_;
    bool pressed_ = false;
};
