#include "ui/basecombobox.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/choicebox.h"

BaseComboBox::BaseComboBox(quint16 id, const QString& name, const PairList& choices, QWidget* parent)
    : BaseParamWidget(id, name, parent), combo_(new ChoiceBox(this))
{
    setObjectName(QStringLiteral("BaseComboBox_%1").arg(id));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(combo_);
    connect(combo_, QOverload<int>::of(&QComboBox::activated), this, &BaseComboBox::slotActivated);
    setValuesList(choices);
}

void BaseComboBox::setValuesList(const PairList& choices)
{
    choices_ = choices;
    shown_ = PairList();
    fill();
}

PairList BaseComboBox::valuesList() const
{
    return shown_;
}

int BaseComboBox::currentKey() const
{
    const int i = combo_->currentIndex();
    return (i >= 0 && i < shown_.size()) ? shown_.key(i) : 0;
}

QString BaseComboBox::currentText() const
{
    return combo_->currentText();
}

void BaseComboBox::fill()
{
    PairList wanted = choices_;
    Parameters* p = params();
    const ParameterDef* d = def();
    if (p && d && d->valid && !choices_.isEmpty()) {
        const int value = Common::toInt(p->get(id()));
        if (wanted.indexOfKey(value) < 0) {
            // An unknown value is shown with the unit word of the first entry ("1800 мс").
            const QStringList words = choices_.value(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            wanted.append(value, QStringLiteral("%1 %2").arg(value).arg(words.size() == 2 ? words.at(1) : QString()));
        }
    }
    bool same = wanted.size() == shown_.size();
    for (int i = 0; same && i < wanted.size(); ++i)
        same = wanted.key(i) == shown_.key(i) && wanted.value(i) == shown_.value(i);
    if (!same) {
        shown_ = wanted;
        const QSignalBlocker blocker(combo_);
        combo_->clear();
        for (int i = 0; i < shown_.size(); ++i)
            combo_->addItem(shown_.value(i), shown_.key(i));
    }
    selectValue();
}

void BaseComboBox::selectValue()
{
    Parameters* p = params();
    if (!p || !def())
        return;
    const int index = shown_.indexOfKey(Common::toInt(p->get(id())));
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(index);
}

void BaseComboBox::refresh()
{
    // The open list keeps its entries while the operator chooses. (Asking for the view would build the list.)
    if (const QWidget* popup = QApplication::activePopupWidget(); popup && popup->parentWidget() == combo_)
        return;
    fill();
}

void BaseComboBox::enter()
{
    if (!def() || shown_.isEmpty() || !isAccess())
        return;
    setWarning(false);
    combo_->showPopup();
}

void BaseComboBox::slotActivated(int index)
{
    choose(index);
}

bool BaseComboBox::choose(int index)
{
    Parameters* p = params();
    const ParameterDef* d = def();
    if (!p || !d || index < 0 || index >= shown_.size()) {
        selectValue();
        return false;
    }
    const int key = shown_.key(index);
    if (!Common::checkRange(key, d->min, d->max, d->discret)) {
        qDebug() << "BaseComboBox: choice" << key << "refused for parameter" << id();
        selectValue();
        emit signalEditingEnd(false);
        return false;
    }
    {
        const QSignalBlocker blocker(combo_);
        combo_->setCurrentIndex(index);
    }
    if (key != Common::toInt(p->get(id())))
        p->set(id(), static_cast<float>(key), 1);
    emit signalEditingEnd(true);
    return true;
}

