#include "ui/progressbardialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/baseparamwidget.h"
#include "ui/dialoggate.h"
#include "ui/messagedialog.h"
#include "ui/uiclock.h"

namespace {
constexpr quint16 kProgressValueId = 724;
constexpr quint16 kProgressMaxId = 725;
}

ProgressBarDialog::ProgressBarDialog(const QString& text, QWidget* parent, quint16 id, bool showTime)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      text_(text),
      id_(id),
      showTime_(showTime),
      started_(UiClock::nowMs()),
      textLabel_(new QLabel(text, this)),
      bar_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ProgressBarDialog"));
    textLabel_->setObjectName(QStringLiteral("progressText_"));
    textLabel_->setAlignment(Qt::AlignCenter);
    textLabel_->setWordWrap(true);
    bar_->setObjectName(QStringLiteral("progressBar_"));
    // Busy until the controller reports a maximum.
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel_);
    layout->addWidget(bar_);

    if (Parameters* params = BaseParamWidget::params())
        connect(params, &Parameters::signalParamUpdated, this, &ProgressBarDialog::slotParamUpdated);
    if (showTime_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, &ProgressBarDialog::slotUpdateText);
        timer_->start(UiClock::progressTextPeriodMs());
        slotUpdateText();
    }
    DialogGate::record(DialogGate::Progress, id_, text_);
}

ProgressBarDialog::~ProgressBarDialog() = default;

QString ProgressBarDialog::text() const
{
    return textLabel_->text();
}

QString ProgressBarDialog::elapsedText(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void ProgressBarDialog::slotUpdateText()
{
    textLabel_->setText(text_ + QLatin1Char('\n') + tr("прошло") + QLatin1Char(' ')
                        + elapsedText(UiClock::nowMs() - started_));
}

void ProgressBarDialog::slotParamUpdated(quint16 id, quint8 cmd)
{
    if (cmd == 7 || cmd == 8 || cmd == 15)
        return;
    Parameters* params = BaseParamWidget::params();
    if (!params)
        return;
    const float value = params->get(id);
    if (id == kProgressValueId) {
        const int v = Common::toInt(value);
        if (bar_->maximum() > 0)
            bar_->setValue(qBound(bar_->minimum(), v, bar_->maximum()));
    } else if (id == kProgressMaxId) {
        const int max = qMax(0, Common::toInt(value));
        bar_->setRange(0, max);
        if (max > 0)
            bar_->setValue(qBound(0, Common::toInt(params->get(kProgressValueId)), max));
    }
    if (id_ != 0 && id == id_ && value == 0.0f) {
        disconnect(params, nullptr, this, nullptr);
        if (timer_)
            timer_->stop();
        if (timeOut_)
            timeOut_->stop();
        accept();
        deleteLater();
    }
}

void ProgressBarDialog::startTimeOut(int ms, const QString& message)
{
    if (!timeOut_) {
        timeOut_ = new QTimer(this);
        timeOut_->setSingleShot(true);
        connect(timeOut_, &QTimer::timeout, this, &ProgressBarDialog::slotTimeOut);
    }
    timeOutMessage_ = message;
    timeOut_->start(qMax(0, ms));
}

void ProgressBarDialog::slotTimeOut()
{
    qWarning() << "ProgressBarDialog: no end of" << text_ << "reported by the controller";
    if (Parameters* params = BaseParamWidget::params())
        disconnect(params, nullptr, this, nullptr);
    if (timer_)
        timer_->stop();
    reject();
    (new MessageDialog(timeOutMessage_, MessageDialog::Error, parentWidget()))->show();
    deleteLater();
}
