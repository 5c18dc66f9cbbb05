#include "protections/baseprotectionform.h"

#include "texts/common.h"

namespace {
constexpr quint16 kDeviationAlarms = 1483;
}

BaseProtectionForm::BaseProtectionForm(QWidget* parent)
    : BaseForm(parent, true)
{
}

PairList BaseProtectionForm::protModes(std::initializer_list<int> keys)
{
    return choices(&Common::getTextProtMode, keys);
}

PairList BaseProtectionForm::onOff()
{
    return choices(&Common::getTextOnOff, {0, 1});
}

PairList BaseProtectionForm::actionIcons(int codes)
{
    static const char* const kIcons[] = {":/images/off_protection", ":/images/block_protection",
                                         ":/images/restart_protection", ":/images/on_protection"};
    PairList icons;
    for (int code = 0; code < codes && code < 4; ++code)
        icons.append(code, QString::fromLatin1(kIcons[code]));
    return icons;
}

bool BaseProtectionForm::isDeviationShown()
{
    return selector(kDeviationAlarms) != 0;
}

void BaseProtectionForm::addActionRows(quint16 action, std::initializer_list<int> modes, quint16 deviation)
{
    addComboBox(action, protModes(modes));
    if (deviation && isDeviationShown())
        addComboBox(deviation, onOff());
}

void BaseProtectionForm::addEdits(std::initializer_list<quint16> ids)
{
    for (quint16 id : ids)
        addEdit(id);
}

void BaseProtectionForm::addButtonResetDefault(unsigned short id)
{
    resetId_ = id;
    addButton(QObject::tr("Сбросить уставки по умолчанию"), SLOT(showResetDefaultDialog()));
}

void BaseProtectionForm::showResetDefaultDialog()
{
    // The question mark goes after the translation: the text is the button's own.
    if (resetId_)
        sendCommand(resetId_, 1.0f, true, QObject::tr("Сбросить уставки по умолчанию") + QLatin1Char('?'));
}
