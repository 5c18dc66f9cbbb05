#pragma once

#include <QWidget>

class QLabel;
class QSlider;

// The title bar of the main window: logo, screen title and page indicator.
class HeaderWidget : public QWidget
{
    Q_OBJECT
public:
    enum HeaderState { Normal = 0, Block = 1, WaitRestart = 2 };

    explicit HeaderWidget(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    void setState(int state);
    int state() const { return state_; }
    // Position `index` of `count` sibling screens; hidden below two screens.
    void setPage(int index, int count);
    bool isPageIndicatorShown() const;
    bool isLogoShown() const;

private:
    QLabel* logoLabel_;
    QLabel* titleLabel_;
    QSlider* pageSlider_;
    int state_ = Normal;
};
