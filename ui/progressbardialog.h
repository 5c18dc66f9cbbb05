#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

// A wait dialog with a busy bar that follows the progress parameters 724 (value) and 725 (maximum).
// With a progress id it closes as accepted (and deletes itself) when that parameter reads 0.
class ProgressBarDialog : public QDialog
{
    Q_OBJECT
public:
    ProgressBarDialog(const QString& text, QWidget* parent, quint16 id, bool showTime);
    ~ProgressBarDialog() override;

    QString text() const;
    quint16 progressId() const { return id_; }
    QProgressBar* progressBar() const { return bar_; }
    // "mm:ss" of `ms`.
    static QString elapsedText(qint64 ms);
    // Gives up after `ms` without the end of the command: closes as rejected and shows `message` as an error.
    void startTimeOut(int ms, const QString& message);

public slots:
    void slotParamUpdated(quint16 id, quint8 cmd = 0);
    // Refreshes the text with the elapsed time.
    void slotUpdateText();

private slots:
    void slotTimeOut();

private:
    QString text_;
    quint16 id_;
    bool showTime_;
    qint64 started_;
    QLabel* textLabel_;
    QProgressBar* bar_;
    QTimer* timer_ = nullptr;
    QTimer* timeOut_ = nullptr;
    QString timeOutMessage_;
};
