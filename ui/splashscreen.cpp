#include "ui/splashscreen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      logoLabel_(new QLabel(this)),
      messageLabel_(new QLabel(this)),
      bar_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(640, 480);
    logoLabel_->setObjectName(QStringLiteral("splashLogo_"));
    logoLabel_->setAlignment(Qt::AlignCenter);
    logoLabel_->setPixmap(QPixmap(QStringLiteral(":/images/logo")));
    messageLabel_->setObjectName(QStringLiteral("splashMessage_"));
    messageLabel_->setAlignment(Qt::AlignCenter);
    messageLabel_->setText(tr("Синхронизация с контроллером..."));
    bar_->setObjectName(QStringLiteral("splashProgress_"));
    bar_->setRange(0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->addStretch(1);
    layout->addWidget(logoLabel_);
    layout->addWidget(messageLabel_);
    layout->addWidget(bar_);
    layout->addStretch(1);
}

void SplashScreen::setProgress(int done, int total)
{
    if (total <= 0) {
        bar_->setRange(0, 0);
        return;
    }
    bar_->setRange(0, 100);
    const qint64 percent = qBound<qint64>(0, static_cast<qint64>(done) * 100 / total, 100);
    bar_->setValue(static_cast<int>(percent));
    messageLabel_->setText(tr("Синхронизация с контроллером: %1%").arg(percent));
}

int SplashScreen::progress() const
{
    return bar_->value();
}

QString SplashScreen::message() const
{
    return messageLabel_->text();
}

void SplashScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F3) {
        event->accept();
        emit signalDismissed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashScreen::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    emit signalDismissed();
}
