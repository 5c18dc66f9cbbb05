#include "ui/messagedialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dialoggate.h"
#include "ui/uiclock.h"

MessageDialog::MessageDialog(const QString& text, int type, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      textLabel_(new QLabel(text, this)),
      timeout_(new QTimer(this)),
      type_((type >= Question && type <= Warning) ? type : Information)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("MessageDialog"));
    setModal(true);
    setProperty("msgType", type_);
    textLabel_->setObjectName(QStringLiteral("messageText_"));
    textLabel_->setWordWrap(true);
    textLabel_->setAlignment(Qt::AlignCenter);
    setMinimumWidth(360);

    auto* buttons = new QHBoxLayout;
    if (type_ == Question) {
        yesButton_ = new QPushButton(tr("Да"), this);
        noButton_ = new QPushButton(tr("Нет"), this);
        noButton_->setObjectName(QStringLiteral("noButton_"));
        connect(noButton_, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        yesButton_ = new QPushButton(tr("Ok"), this);
    }
    yesButton_->setObjectName(QStringLiteral("yesButton_"));
    connect(yesButton_, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addStretch(1);
    buttons->addWidget(yesButton_);
    if (noButton_)
        buttons->addWidget(noButton_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel_, 1);
    layout->addLayout(buttons);

    timeout_->setSingleShot(true);
    connect(timeout_, &QTimer::timeout, this, &QDialog::reject);
}

MessageDialog* MessageDialog::showOnce(const QString& text, int type, QWidget* parent)
{
    static QList<QPointer<MessageDialog>> open;
    open.removeAll(nullptr);
    for (const QPointer<MessageDialog>& d : open) {
        if (d->isVisible() && d->text() == text)
            return nullptr;
    }
    auto* dialog = new MessageDialog(text, type, parent);
    open.append(dialog);
    dialog->show();
    return dialog;
}

QString MessageDialog::text() const
{
    return textLabel_->text();
}

void MessageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!recorded_) {
        recorded_ = true;
        DialogGate::record(DialogGate::Message, type_, textLabel_->text());
    }
    if (UiClock::messageTimeoutMs() > 0)
        timeout_->start(UiClock::messageTimeoutMs());
    yesButton_->setFocus();
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    // Left and Right move between the buttons; Escape and F3 say no, F4 presses the button in focus.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (noButton_)
            (yesButton_->hasFocus() ? noButton_ : yesButton_)->setFocus();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        if (noButton_ && noButton_->hasFocus())
            reject();
        else
            accept();
        break;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        reject();
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

int MessageDialog::exec()
{
    QVariant answer;
    if (DialogGate::takeAnswer(&answer) || DialogGate::rejectUnanswered()) {
        recorded_ = true;
        DialogGate::record(DialogGate::Message, type_, textLabel_->text());
        const int result = answer.toInt() == 1 ? 1 : 0;
        // Closing deletes the dialog, as a shown one would be.
        deleteLater();
        return result;
    }
    const DialogGate::ExecScope scope;
    return QDialog::exec() == QDialog::Accepted ? 1 : 0;
}
