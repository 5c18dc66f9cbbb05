#include "protections/mode_rows.h"

#include <QObject>

#include "protections/baseprotectionform.h"
#include "texts/common.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"

namespace {
constexpr quint16 kStationState = 13;
constexpr quint16 kOverloadAction = 118;
}

PairList ModeRows::modeSwitch()
{
    return BaseProtectionForm::choices(&Common::getTextRgmMode, {0, 3});
}

PairList ModeRows::repeatSwitch()
{
    return BaseProtectionForm::choices(&Common::getTextRgmMode, {0, 1, 2});
}

PairList ModeRows::switchIcons(const QString& permanently)
{
    PairList icons;
    icons.append(0, QStringLiteral(":/images/off_protection"));
    icons.append(1, QStringLiteral(":/images/on_protection"));
    icons.append(2, permanently);
    icons.append(3, QStringLiteral(":/images/on_protection"));
    return icons;
}

void ModeRows::addEdits(BaseForm* form, std::initializer_list<quint16> ids)
{
    for (quint16 id : ids)
        form->addEdit(id);
}

void ModeRows::addValues(BaseForm* form, std::initializer_list<quint16> ids)
{
    for (quint16 id : ids)
        form->addStatusNum(id);
}

void ModeRows::addTexts(PairList* texts, int first, int last, const QString& text)
{
    for (int key = first; key <= last; ++key)
        texts->append(key, text);
}

bool ModeRows::motorRuns()
{
    const quint16 state = BaseForm::selector(kStationState);
    return state == 2 || state == 3;
}

void ModeRows::warn(const QString& text)
{
    // Over the main window: a rebuild of the screens does not take it away, and showing the screen again while
    // it is open adds none.
    MessageDialog::showOnce(text, MessageDialog::Information, BaseForm::mainWindow());
}

void ModeRows::warnStopMotor(quint16 mode)
{
    const quint16 on = BaseForm::selector(mode);
    if (on != 1 && on != 2 && motorRuns())
        warn(QObject::tr("Для включения режима остановите двигатель!"));
}

void ModeRows::warnOverload(quint16 mode)
{
    if (BaseForm::value(mode) == 0.0f && BaseForm::value(kOverloadAction) != 0.0f)
        warn(QObject::tr("Включена защита \"Перегруз\"\nПри включении режима - защита будет неактивна!"));
}
