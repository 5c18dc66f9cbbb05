#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The start-up screen with the progress of the first synchronisation.
class SplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

    void setProgress(int done, int total);
    int progress() const;
    QString message() const;

signals:
    // The operator closed the splash screen (Escape or a click).
    void signalDismissed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* logoLabel_;
    QLabel* messageLabel_;
    QProgressBar* bar_;
};
