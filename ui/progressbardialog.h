#pragma once

#include <QDialog>

// A wait dialog with a busy bar that follows the progress parameters 724 and 725.
class ProgressBarDialog : public QDialog
{
    Q_OBJECT
public:
    ProgressBarDialog(const QString& text, QWidget* parent, quint16 id, bool showTime);

private:
    QString text_;
    quint16 id_;
    bool showTime_;
};
