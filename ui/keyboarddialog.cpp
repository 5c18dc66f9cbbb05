#include "ui/keyboarddialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/baseparamwidget.h"
#include "ui/dialoggate.h"

namespace {

// Keys of the grid, ten to a row; the last row holds the editing keys.
const char* const kChars = "1234567890QWERTYUIOPASDFGHJKL-_.ZXCVBNM/+#";
enum SpecialKey { KeySpace = -1, KeyBackspace = -2, KeyOk = -3, KeyCancel = -4 };

} // namespace

KeyboardDialog::KeyboardDialog(const QString& title, const QString& text, int maxLength, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      textLabel_(new QLabel(this)),
      text_(text.left(qMax(0, maxLength))),
      maxLength_(qMax(0, maxLength))
{
    setObjectName(QStringLiteral("KeyboardDialog"));
    setModal(true);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("keyboardTitle_"));
    titleLabel->setAlignment(Qt::AlignCenter);
    textLabel_->setObjectName(QStringLiteral("keyboardText_"));
    textLabel_->setAlignment(Qt::AlignCenter);
    textLabel_->setMinimumHeight(32);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const QString chars = QString::fromLatin1(kChars);
    for (int i = 0; i < chars.size(); ++i) {
        auto* key = new QPushButton(chars.mid(i, 1), this);
        key->setProperty("keyCode", chars.at(i).unicode());
        keys_.append(key);
    }
    const QList<QPair<int, QString>> specials = {{KeySpace, tr("Пробел")}, {KeyBackspace, tr("Удалить")},
                                                 {KeyOk, tr("Ввод")}, {KeyCancel, tr("Отмена")}};
    for (const auto& s : specials) {
        auto* key = new QPushButton(s.second, this);
        key->setProperty("keyCode", s.first);
        keys_.append(key);
    }
    for (int i = 0; i < keys_.size(); ++i) {
        QPushButton* key = keys_.at(i);
        key->setFocusPolicy(Qt::NoFocus);
        key->setMinimumHeight(34);
        connect(key, &QPushButton::clicked, this, [this, i] { pressKey(i); });
        if (i < chars.size())
            grid->addWidget(key, i / columns_, i % columns_);
        else
            grid->addWidget(key, chars.size() / columns_ + 1, (i - chars.size()) * 2 + 1, 1, 2);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(textLabel_);
    layout->addLayout(grid);
    setFixedWidth(600);
    moveTo(0);
    updateText();
}

bool KeyboardDialog::getText(QWidget* parent, const QString& title, QString* text, int maxLength)
{
    DialogGate::record(DialogGate::Keyboard, maxLength, title);
    QVariant answer;
    if (DialogGate::takeAnswer(&answer)) {
        if (answer.isNull())
            return false;
        *text = answer.toString();
        return true;
    }
    if (DialogGate::rejectUnanswered())
        return false;
    const DialogGate::ExecScope scope;
    KeyboardDialog dialog(title, *text, maxLength, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *text = dialog.text();
    return true;
}

void KeyboardDialog::moveTo(int index)
{
    if (keys_.isEmpty())
        return;
    index = ((index % keys_.size()) + keys_.size()) % keys_.size();
    BaseParamWidget::applyStateProperty(keys_.at(current_), 0);
    current_ = index;
    BaseParamWidget::applyStateProperty(keys_.at(current_), 1);
}

void KeyboardDialog::typeChar(QChar c)
{
    if (text_.size() < maxLength_)
        text_.append(c);
    updateText();
}

void KeyboardDialog::updateText()
{
    textLabel_->setText(text_ + QLatin1Char('_'));
}

void KeyboardDialog::pressKey(int index)
{
    if (index < 0 || index >= keys_.size())
        return;
    const int code = keys_.at(index)->property("keyCode").toInt();
    switch (code) {
    case KeySpace:
        typeChar(QLatin1Char(' '));
        break;
    case KeyBackspace:
        text_.chop(1);
        updateText();
        break;
    case KeyOk:
        accept();
        break;
    case KeyCancel:
        reject();
        break;
    default:
        typeChar(QChar(code));
        break;
    }
}

void KeyboardDialog::keyPressEvent(QKeyEvent* event)
{
    const int charKeys = static_cast<int>(qstrlen(kChars));
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_F5:
        moveTo(current_ - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_F7:
        moveTo(current_ + 1);
        break;
    case Qt::Key_Up:
    case Qt::Key_F6:
        moveTo(current_ >= charKeys ? charKeys - columns_ : current_ - columns_);
        break;
    case Qt::Key_Down:
    case Qt::Key_F8:
        moveTo(current_ + columns_ >= charKeys ? (current_ >= charKeys ? 0 : charKeys) : current_ + columns_);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        pressKey(current_);
        break;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        reject();
        break;
    case Qt::Key_Backspace:
        text_.chop(1);
        updateText();
        break;
    default: {
        // A physical keyboard types the same characters directly.
        const QString typed = event->text();
        if (typed.size() == 1 && isKeyChar(typed.at(0)))
            typeChar(typed.at(0));
        else
            QDialog::keyPressEvent(event);
        return;
    }
    }
    event->accept();
}
