#include "ui/baseparamwidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRandomGenerator>
#include <QStyle>
#include <QTimer>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/station.h"
#include "ui/uiclock.h"

BaseParamWidget::BaseParamWidget(quint16 id, const QString& name, QWidget* parent, bool bound)
    : QWidget(parent),
      nameLabel_(new QLabel(name, this)),
      id_(id),
      bound_(bound),
      random_(static_cast<int>(QRandomGenerator::global()->bounded(10)))
{
    nameLabel_->setObjectName(QStringLiteral("nameLabel_"));
    nameLabel_->setWordWrap(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_StyledBackground, true);
    // Not polished yet: the property is enough.
    setProperty("state", StateNormal);
    appliedState_ = StateNormal;
    if (bound_) {
        if (Parameters* p = params())
            connect(p, &Parameters::signalParamUpdated, this, &BaseParamWidget::slotParamUpdated);
    }
}

BaseParamWidget::~BaseParamWidget() = default;

QString BaseParamWidget::name() const
{
    return nameLabel_->text();
}

void BaseParamWidget::setName(const QString& name)
{
    nameLabel_->setText(name);
}

int BaseParamWidget::state() const
{
    if (editing_)
        return StateEditing;
    if (warning_)
        return selected_ ? StateWarningSelected : StateWarning;
    return selected_ ? StateSelected : StateNormal;
}

void BaseParamWidget::setSelected(bool selected)
{
    selected_ = selected;
    updateState();
}

void BaseParamWidget::setWarning(bool warning)
{
    warning_ = warning;
    updateState();
}

void BaseParamWidget::setEditing(bool editing)
{
    editing_ = editing;
    updateState();
}

void BaseParamWidget::updateState()
{
    const int s = state();
    if (s == appliedState_)
        return;
    appliedState_ = s;
    applyStateProperty(this, s);
}

void BaseParamWidget::applyStateProperty(QWidget* w, int state)
{
    w->setProperty("state", state);
    w->style()->unpolish(w);
    w->style()->polish(w);
    const auto labels = w->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        label->setProperty("state", state);
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
    w->update();
}

int BaseParamWidget::refreshDelayMs() const
{
    return UiClock::refreshDelay(random_);
}

bool BaseParamWidget::isRefreshPending() const
{
    return refreshTimer_ && refreshTimer_->isActive();
}

void BaseParamWidget::watchId(quint16 id)
{
    extraId_ = id;
}

void BaseParamWidget::detach()
{
    if (Parameters* p = params())
        disconnect(p, nullptr, this, nullptr);
    if (refreshTimer_)
        refreshTimer_->stop();
    bound_ = false;
    detached_ = true;
}

Parameters* BaseParamWidget::params()
{
    Station* station = Station::instance();
    return station ? station->params() : nullptr;
}

bool BaseParamWidget::isAccess(int mode, const QString& prompt)
{
    Station* station = Station::instance();
    // The password dialog runs an event loop: a row whose screen was replaced meanwhile writes nothing.
    return station && station->isAccess(this, id(), mode, prompt) && !detached_;
}

ParameterDef* BaseParamWidget::def() const
{
    Parameters* p = params();
    return (p && bound_) ? p->getParameter(id_) : nullptr;
}

void BaseParamWidget::slotParamUpdated(quint16 id)
{
    if (id != id_ && (extraId_ == 0 || id != extraId_))
        return;
    paramUpdatedNow();
    if (!isVisible())
        return;
    if (!refreshTimer_) {
        refreshTimer_ = new QTimer(this);
        refreshTimer_->setSingleShot(true);
        connect(refreshTimer_, &QTimer::timeout, this, [this] {
            if (isVisible() && !isEditing())
                refresh();
        });
    }
    // A burst of updates gives one refresh.
    if (!refreshTimer_->isActive())
        refreshTimer_->start(refreshDelayMs());
}

void BaseParamWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!isEditing())
        refresh();
}

void BaseParamWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        enter();
        event->accept();
        return;
    default:
        event->ignore();
    }
}

QString BaseParamWidget::textFromId(quint16 id)
{
    return Common::getTextFromId(id);
}

QString BaseParamWidget::formatValue(float value, const ParameterDef* def)
{
    unTypeData data;
    data.f = value;
    return Common::getTextValue(data, def, def ? def->valid : true, true);
}
