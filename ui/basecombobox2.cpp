#include "ui/basecombobox2.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "ui/choicebox.h"

BaseComboBox2::BaseComboBox2(const QString& name, const PairList& choices, int value, QWidget* parent)
    : BaseParamWidget(0, name, parent, false), combo_(new ChoiceBox(this))
{
    setObjectName(QStringLiteral("BaseComboBox2"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(nameLabel_, 1);
    layout->addWidget(combo_);
    connect(combo_, QOverload<int>::of(&QComboBox::activated), this, &BaseComboBox2::choose);
    setValuesList(choices, value);
}

void BaseComboBox2::setValuesList(const PairList& choices, int value)
{
    choices_ = choices;
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    for (int i = 0; i < choices_.size(); ++i)
        combo_->addItem(choices_.value(i), choices_.key(i));
    int index = choices_.indexOfKey(value);
    if (index < 0 && !choices_.isEmpty())
        index = 0;
    combo_->setCurrentIndex(index);
    key_ = index >= 0 ? choices_.key(index) : value;
}

void BaseComboBox2::enter()
{
    if (!choices_.isEmpty())
        combo_->showPopup();
}

void BaseComboBox2::choose(int index)
{
    if (index < 0 || index >= choices_.size())
        return;
    {
        const QSignalBlocker blocker(combo_);
        combo_->setCurrentIndex(index);
    }
    key_ = choices_.key(index);
    emit signalEditingEnd(true);
}


QString BaseComboBox2::valueText() const
{
    return combo_->currentText();
}
