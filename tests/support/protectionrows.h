#pragma once

// Rows of protection screens written as short specs, for table-driven row tests.
//
//   QCOMPARE(ProtectionRows::shown(form), ProtectionRows::expand("a43 d1484 e50:T e45:B R"));

#include <QString>
#include <QStringList>

class BaseForm;

namespace ProtectionRows {

// One token a row: <kind><id>[:<name>][/<keys>]. Kinds: a action (name "Действие защиты", keys 0,1,2), d deviation
// alarm (its name, keys 0,1), c selection (keys 0,1; "c5/" none), e edit, s value, t text, n name (text over two
// parameters), R the reset button, b:<text> a command button ('_' for a blank). Names: a code of the shared row names
// (A, D, T, B, W, RS, RD, RA, RC), "+ suffix" after the catalogue name ('_' for a blank), else the catalogue name.
QStringList expand(const QString& pattern);
// The rows of `form` as "kind id label [keys]".
QStringList shown(const BaseForm* form);
// The ids of the settings on a protection screen that its reset leaves as they are (names are not setpoints);
// empty for a screen without a reset.
QStringList notReset(const BaseForm* form);

} // namespace ProtectionRows
