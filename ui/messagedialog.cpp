#include "ui/messagedialog.h"

#include <QLabel>
#include <QVBoxLayout>

MessageDialog::MessageDialog(const QString& text, int type, QWidget* parent)
    : QDialog(parent), textLabel_(new QLabel(text, this)), type_(type)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel_);
}

int MessageDialog::exec()
{
    return QDialog::exec() == QDialog::Accepted ? 1 : 0;
}
