#include "ui/basestatuswidget.h"

#include <QHBoxLayout>
#include <QLabel>

#include "app/parameters.h"

BaseStatusWidget::BaseStatusWidget(quint16 id, const QString& name, QWidget* parent)
    : BaseParamWidget(id, name, parent), unitLabel_(new QLabel(this)), valueLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("BaseStatusWidget_%1").arg(id));
    valueLabel_->setObjectName(QStringLiteral("valueLabel_"));
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel_->setMinimumWidth(90);
    unitLabel_->setObjectName(QStringLiteral("unitLabel_"));
    unitLabel_->setFixedWidth(105);
    unitLabel_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(valueLabel_);
    layout->addWidget(unitLabel_);
}

void BaseStatusWidget::setBitEnabled()
{
    bits_ = true;
    valueLabel_->setFixedWidth(198);
    unitLabel_->hide();
    refresh();
}

QString BaseStatusWidget::valueText() const
{
    return valueLabel_->text();
}

void BaseStatusWidget::refresh()
{
    Parameters* p = params();
    const ParameterDef* d = def();
    if (!p || !d) {
        valueLabel_->setText(QStringLiteral("---"));
        return;
    }
    if (bits_) {
        valueLabel_->setText(d->valid ? QStringLiteral("%1b").arg(p->getU32(id()), 16, 2, QLatin1Char('0'))
                                      : QStringLiteral("---"));
        return;
    }
    valueLabel_->setText(formatValue(p->convertFrom(p->get(id()), d, false, true), d));
    // A unit text the screen set stays.
    if (unitLabel_->text() == autoUnit_) {
        autoUnit_ = p->getTextUnit(d);
        unitLabel_->setText(autoUnit_);
    }
}
