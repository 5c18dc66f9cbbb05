#pragma once

#include <initializer_list>

#include <QString>

#include "ui/pairlist.h"

class BaseForm;

// What the technological-mode and start-mode screens share: their switch choices, rows added by the list, and
// the warnings they show on opening.
namespace ModeRows {

// 0 "Откл", 3 "Вкл".
PairList modeSwitch();
// 0 "Откл", 1 "Однократно", 2 "Постоянно".
PairList repeatSwitch();
// Status icons of a mode switch: off for 0, on for 1 and 3, `permanently` for 2.
PairList switchIcons(const QString& permanently);

void addEdits(BaseForm* form, std::initializer_list<quint16> ids);
void addValues(BaseForm* form, std::initializer_list<quint16> ids);
// Appends `text` under every key from `first` to `last`.
void addTexts(PairList* texts, int first, int last, const QString& text);

// The station state (13) says the motor runs.
bool motorRuns();
// An information over the main window, not waited for; none when one of the same text is open.
void warn(const QString& text);
// "Для включения режима остановите двигатель!" while mode `mode` is off and the motor runs.
void warnStopMotor(quint16 mode);
// The overload protection (118) goes inactive when mode `mode`, now off, is switched on.
void warnOverload(quint16 mode);

} // namespace ModeRows
