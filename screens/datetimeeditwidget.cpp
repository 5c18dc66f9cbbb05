#include "screens/datetimeeditwidget.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

namespace {
// The station keeps its clock as seconds of UTC, as the value texts show it.
const QString kFormat = QStringLiteral("yyyy.MM.dd hh:mm:ss");
}

DateTimeEditWidget::DateTimeEditWidget(quint16 id, const QString& name, QWidget* parent)
    : BaseParamWidget(id, name, parent), valueLabel_(new QLabel(this)), editor_(new QDateTimeEdit(this))
{
    setObjectName(QStringLiteral("DateTimeEditWidget_%1").arg(id));
    valueLabel_->setObjectName(QStringLiteral("valueLabel_"));
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor_->setObjectName(QStringLiteral("valueEdit_"));
    editor_->setTimeSpec(Qt::UTC);
    editor_->setDisplayFormat(kFormat);
    editor_->setMinimumDateTime(QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
    editor_->setMaximumDateTime(QDateTime::fromSecsSinceEpoch(0xFFFFFFFFLL, Qt::UTC));
    editor_->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(valueLabel_);
    layout->addWidget(editor_);
}

QString DateTimeEditWidget::valueText() const
{
    return valueLabel_->text();
}

void DateTimeEditWidget::refresh()
{
    const ParameterDef* d = def();
    Parameters* p = params();
    if (!d || !p || !d->valid) {
        valueLabel_->setText(QStringLiteral("---"));
        return;
    }
    valueLabel_->setText(QDateTime::fromSecsSinceEpoch(p->getU32(id()), Qt::UTC).toString(kFormat));
}

void DateTimeEditWidget::enter()
{
    if (isEditing())
        return;
    Parameters* p = params();
    if (!p || !def() || !isAccess())
        return;
    setWarning(false);
    setEditing(true);
    editor_->setDateTime(QDateTime::fromSecsSinceEpoch(p->getU32(id()), Qt::UTC));
    valueLabel_->hide();
    editor_->show();
    editor_->setFocus();
    if (MainWindow* w = BaseForm::mainWindow()) {
        savedInfo_ = w->textInfo();
        w->setTextInfo(tr("Вверх и вниз: значение, влево и вправо: поле"));
    }
}

bool DateTimeEditWidget::confirm()
{
    Parameters* p = params();
    const ParameterDef* d = def();
    if (!isEditing() || !p || !d)
        return false;
    const qint64 seconds = editor_->dateTime().toSecsSinceEpoch();
    const bool accepted = seconds >= 0 && seconds <= 0xFFFFFFFFLL && Common::checkRange(seconds, d->min, d->max, 1);
    if (accepted) {
        if (static_cast<quint32>(seconds) != p->getU32(id()))
            p->set(id(), static_cast<quint32>(seconds), 1);
    } else {
        qDebug() << "DateTimeEditWidget: date" << editor_->dateTime() << "refused for parameter" << id();
    }
    finishEditing();
    setWarning(!accepted);
    return accepted;
}

void DateTimeEditWidget::cancel()
{
    finishEditing();
}

void DateTimeEditWidget::finishEditing()
{
    if (!isEditing())
        return;
    setEditing(false);
    editor_->hide();
    valueLabel_->show();
    setFocus();
    if (MainWindow* w = BaseForm::mainWindow())
        w->setTextInfo(savedInfo_);
    refresh();
}

void DateTimeEditWidget::keyPressEvent(QKeyEvent* event)
{
    if (!isEditing()) {
        BaseParamWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        confirm();
        break;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        cancel();
        break;
    default:
        // The screen does not page or move away while the date is edited.
        break;
    }
    event->accept();
}
