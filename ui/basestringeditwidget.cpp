#include "ui/basestringeditwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/keyboarddialog.h"

namespace {
constexpr int kMaxChars = 8;
}

BaseStringEditWidget::BaseStringEditWidget(quint16 firstId, quint16 secondId, const QString& name, QWidget* parent)
    : BaseParamWidget(firstId, name, parent), secondId_(secondId), valueLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("BaseStringEditWidget_%1").arg(firstId));
    valueLabel_->setObjectName(QStringLiteral("valueLabel_"));
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(valueLabel_);
    watchId(secondId);
}

QString BaseStringEditWidget::valueText() const
{
    return valueLabel_->text();
}

QString BaseStringEditWidget::decode(quint32 first, quint32 second)
{
    return Common::getTextName(first, second);
}

bool BaseStringEditWidget::encode(const QString& text, quint32* first, quint32* second)
{
    if (text.size() > kMaxChars)
        return false;
    // Printable ASCII only: the one encoding that the screens and the journal read alike.
    for (const QChar c : text) {
        if (!KeyboardDialog::isKeyChar(c))
            return false;
    }
    const QByteArray bytes = text.toLatin1();
    quint32 words[2] = {0, 0};
    for (int i = 0; i < bytes.size(); ++i)
        words[i / 4] |= static_cast<quint32>(static_cast<quint8>(bytes.at(i))) << (8 * (i % 4));
    *first = words[0];
    *second = words[1];
    return true;
}

void BaseStringEditWidget::refresh()
{
    Parameters* p = params();
    if (!p || !def())
        return;
    valueLabel_->setText(decode(p->getU32(id()), p->getU32(secondId_)));
}

void BaseStringEditWidget::enter()
{
    Parameters* p = params();
    if (!p || !def() || !isAccess())
        return;
    setEditing(true);
    QString text = valueLabel_->text();
    const bool accepted = KeyboardDialog::getText(this, name(), &text, kMaxChars);
    setEditing(false);
    // The keyboard ran an event loop: a row whose screen was replaced meanwhile writes nothing.
    if (!accepted || isDetached()) {
        emit signalEditingEnd(false);
        return;
    }
    quint32 first = 0;
    quint32 second = 0;
    if (!encode(text, &first, &second)) {
        qDebug() << "BaseStringEditWidget: text refused for parameter" << id();
        setWarning(true);
        emit signalEditingEnd(false);
        return;
    }
    setWarning(false);
    if (first != p->getU32(id()) || second != p->getU32(secondId_)) {
        p->set(id(), first, 1);
        p->set(secondId_, second, 1);
    }
    emit signalEditingEnd(true);
}
