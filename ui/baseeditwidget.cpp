#include "ui/baseeditwidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QtDebug>

#include <cmath>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

BaseEditWidget::BaseEditWidget(quint16 id, const QString& name, QWidget* parent)
    : BaseParamWidget(id, name, parent),
      unitLabel_(new QLabel(this)),
      valueLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("BaseEditWidget_%1").arg(id));
    valueLabel_->setObjectName(QStringLiteral("valueLabel_"));
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    unitLabel_->setObjectName(QStringLiteral("unitLabel_"));
    unitLabel_->setFixedWidth(105);
    unitLabel_->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(valueLabel_);
    layout->addWidget(unitLabel_);
    valueLabel_->setMinimumWidth(90);
}

void BaseEditWidget::createEditor()
{
    valueEdit_ = new QLineEdit(this);
    valueEdit_->setObjectName(QStringLiteral("valueEdit_"));
    valueEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueEdit_->setMaxLength(16);
    valueEdit_->setFixedWidth(110);
    valueEdit_->hide();
    auto* box = static_cast<QHBoxLayout*>(layout());
    box->insertWidget(box->indexOf(valueLabel_) + 1, valueEdit_);
}

QString BaseEditWidget::valueText() const
{
    return valueLabel_->text();
}

QString BaseEditWidget::unitText() const
{
    return unitLabel_->text();
}

void BaseEditWidget::setDisplayUnit(quint8 physic, quint8 unitOut)
{
    ownUnit_ = true;
    physic_ = physic;
    unitOut_ = unitOut;
    if (!isEditing())
        refresh();
}

const ParameterDef* BaseEditWidget::shownDef(ParameterDef* copy) const
{
    const ParameterDef* d = def();
    if (!d || !ownUnit_)
        return d;
    *copy = *d;
    copy->physic = physic_;
    copy->unitOut = unitOut_;
    return copy;
}

QString BaseEditWidget::rangeText() const
{
    ParameterDef copy;
    const ParameterDef* d = shownDef(&copy);
    Parameters* p = params();
    if (!d || !p)
        return QString();
    ParameterDef shown = *d;
    shown.valid = true;
    const float lo = p->convertFrom(d->min, d, false, true);
    const float hi = p->convertFrom(d->max, d, false, true);
    return QStringLiteral("%1 [%2 ... %3]")
        .arg(tr("Диапазон допустимых значений"), formatValue(qMin(lo, hi), &shown), formatValue(qMax(lo, hi), &shown));
}

void BaseEditWidget::refresh()
{
    ParameterDef copy;
    const ParameterDef* d = shownDef(&copy);
    Parameters* p = params();
    if (!d || !p) {
        valueLabel_->setText(QStringLiteral("---"));
        return;
    }
    valueLabel_->setText(formatValue(p->convertFrom(p->get(id()), d, false, true), d));
    // A unit text the screen set stays.
    if (unitLabel_->text() == autoUnit_) {
        autoUnit_ = p->getTextUnit(d);
        unitLabel_->setText(autoUnit_);
    }
}

void BaseEditWidget::enter()
{
    if (isEditing())
        return;
    if (!def() || !isAccess())
        return;
    setWarning(false);
    setEditing(true);
    if (!valueEdit_)
        createEditor();
    valueEdit_->setText(valueLabel_->text() == QLatin1String("---") ? QString() : valueLabel_->text());
    valueEdit_->selectAll();
    valueLabel_->hide();
    valueEdit_->show();
    valueEdit_->setFocus();
    if (MainWindow* w = BaseForm::mainWindow()) {
        savedInfo_ = w->textInfo();
        w->setTextInfo(rangeText());
    }
    emit signalEditingBegin();
}

bool BaseEditWidget::parseShown(const QString& text, float* stored) const
{
    ParameterDef copy;
    const ParameterDef* d = shownDef(&copy);
    Parameters* p = params();
    if (!d || !p)
        return false;
    QString typed = text.trimmed();
    if (d->physic == 2) {
        // Durations are typed in the form they are shown in.
        switch (d->unitOut) {
        case 3:
        case 5:
        case 7:
        case 8:
            return Common::parseTimeText(typed, d->unitOut, stored);
        default:
            break;
        }
    }
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const float shown = typed.toFloat(&ok);
    if (!ok || !std::isfinite(shown))
        return false;
    // Minutes and hours are shown scaled from the stored seconds.
    const bool scaledTime = d->physic == 2 && (d->unitOut == 4 || d->unitOut == 6);
    const float value = p->convertTo(shown, d, scaledTime);
    if (!std::isfinite(value))
        return false;
    *stored = value;
    return true;
}

bool BaseEditWidget::confirm(const QString& text)
{
    const ParameterDef* d = def();
    Parameters* p = params();
    float stored = 0.0f;
    const bool accepted = d && p && parseShown(text, &stored) && Common::checkRange(stored, d->min, d->max, d->discret);
    if (accepted && stored != p->get(id()))
        p->set(id(), stored, 1);
    if (!accepted)
        qDebug() << "BaseEditWidget: value" << text << "refused for parameter" << id();
    finishEditing(accepted);
    setWarning(!accepted);
    return accepted;
}

void BaseEditWidget::cancel()
{
    finishEditing(false);
}

void BaseEditWidget::finishEditing(bool accepted)
{
    if (!isEditing())
        return;
    valueEdit_->hide();
    valueLabel_->show();
    setEditing(false);
    setFocus();
    if (MainWindow* w = BaseForm::mainWindow())
        w->setTextInfo(savedInfo_);
    // The new value shows when the controller reports it.
    refresh();
    emit signalEditingEnd(accepted);
}

void BaseEditWidget::keyPressEvent(QKeyEvent* event)
{
    if (!isEditing()) {
        BaseParamWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        confirm(valueEdit_->text());
        break;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        cancel();
        break;
    default:
        break;
    }
    // Nothing typed into an editor moves the screen.
    event->accept();
}
