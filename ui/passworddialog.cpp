#include "ui/passworddialog.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/baseparamwidget.h"
#include "ui/dialoggate.h"

namespace {
constexpr quint16 kGrantedLevelId = 572;
}

PasswordDialog::PasswordDialog(int level, const QString& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      level_(level),
      promptLabel_(new QLabel(this)),
      errorLabel_(new QLabel(this)),
      edit_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setModal(true);
    promptLabel_->setObjectName(QStringLiteral("promptLabel_"));
    promptLabel_->setAlignment(Qt::AlignCenter);
    promptLabel_->setWordWrap(true);
    promptLabel_->setText(prompt.isEmpty() ? tr("Введите пароль уровня доступа %1").arg(level) : prompt);
    errorLabel_->setObjectName(QStringLiteral("errorLabel_"));
    errorLabel_->setAlignment(Qt::AlignCenter);
    edit_->setObjectName(QStringLiteral("passwordEdit_"));
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMaxLength(4);
    edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit_));
    edit_->setAlignment(Qt::AlignCenter);
    setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addWidget(edit_);
    layout->addWidget(errorLabel_);
    connect(edit_, &QLineEdit::returnPressed, this, &PasswordDialog::accept);
}

bool PasswordDialog::check(int level, const QString& text)
{
    Parameters* params = BaseParamWidget::params();
    if (!params || level < 1 || level > 4)
        return false;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const quint32 password = Common::toCode(params->get(static_cast<quint16>(kGrantedLevelId + level)));
    if (text.toUInt() != password)
        return false;
    params->set(kGrantedLevelId, static_cast<float>(level), 1);
    return true;
}

void PasswordDialog::accept()
{
    if (check(level_, edit_->text())) {
        QDialog::accept();
        return;
    }
    errorLabel_->setText(tr("Неверный пароль"));
    edit_->clear();
}

bool PasswordDialog::ask(QWidget* parent, int level, const QString& prompt)
{
    DialogGate::record(DialogGate::Password, level, prompt);
    QVariant answer;
    if (DialogGate::takeAnswer(&answer))
        return !answer.isNull() && check(level, answer.toString());
    if (DialogGate::rejectUnanswered())
        return false;
    const DialogGate::ExecScope scope;
    PasswordDialog dialog(level, prompt, parent);
    return dialog.exec() == QDialog::Accepted;
}
