#include "ui/progressbardialog.h"

ProgressBarDialog::ProgressBarDialog(const QString& text, QWidget* parent, quint16 id, bool showTime)
    : QDialog(parent), text_(text), id_(id), showTime_(showTime)
{
}
