#include "ui/headerwidget.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include <QStyle>
#include <QVariant>

HeaderWidget::HeaderWidget(QWidget* parent)
    : QWidget(parent), logoLabel_(new QLabel(this)), titleLabel_(new QLabel(this)), pageSlider_(new QSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("headerWidget_"));
    setAttribute(Qt::WA_StyledBackground, true);
    setFixedHeight(44);
    logoLabel_->setObjectName(QStringLiteral("logoLabel_"));
    titleLabel_->setObjectName(QStringLiteral("titleLabel_"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    pageSlider_->setObjectName(QStringLiteral("pageSlider_"));
    pageSlider_->setFocusPolicy(Qt::NoFocus);
    pageSlider_->setEnabled(false);
    pageSlider_->setFixedWidth(90);
    pageSlider_->hide();

    const bool noLogo = QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/logo.no"));
    if (noLogo) {
        logoLabel_->hide();
    } else {
        logoLabel_->setPixmap(QPixmap(QStringLiteral(":/images/logo")).scaledToHeight(36, Qt::SmoothTransformation));
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(logoLabel_);
    layout->addWidget(titleLabel_, 1);
    layout->addWidget(pageSlider_);
    setState(Normal);
}

void HeaderWidget::setTitle(const QString& title)
{
    titleLabel_->setText(title);
}

QString HeaderWidget::title() const
{
    return titleLabel_->text();
}

void HeaderWidget::setState(int state)
{
    state_ = (state == Block || state == WaitRestart) ? state : Normal;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(titleLabel_)}) {
        w->setProperty("headerState", state_);
        w->style()->unpolish(w);
        w->style()->polish(w);
    }
}

void HeaderWidget::setPage(int index, int count)
{
    pageSlider_->setVisible(count > 1);
    pageSlider_->setRange(0, qMax(0, count - 1));
    pageSlider_->setValue(index);
}

bool HeaderWidget::isPageIndicatorShown() const
{
    return !pageSlider_->isHidden();
}

bool HeaderWidget::isLogoShown() const
{
    return !logoLabel_->isHidden();
}
