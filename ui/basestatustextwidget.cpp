#include "ui/basestatustextwidget.h"

#include <QHBoxLayout>
#include <QLabel>

#include "app/parameters.h"

BaseStatusTextWidget::BaseStatusTextWidget(quint16 id, const QString& name, const PairList& texts, QWidget* parent)
    : BaseParamWidget(id, name, parent), texts_(texts), valueLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("BaseStatusTextWidget_%1").arg(id));
    valueLabel_->setObjectName(QStringLiteral("valueLabel_"));
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(valueLabel_, 1);
}

QString BaseStatusTextWidget::valueText() const
{
    return valueLabel_->text();
}

void BaseStatusTextWidget::refresh()
{
    Parameters* p = params();
    const ParameterDef* d = def();
    if (!p || !d || !d->valid)
        return;
    const float value = p->get(id());
    for (int i = 0; i < texts_.size(); ++i) {
        if (static_cast<float>(texts_.key(i)) == value) {
            valueLabel_->setText(texts_.value(i));
            return;
        }
    }
}
