#pragma once

#include <QString>

// Display backlight and key light; a logged no-op where the board's files are absent.
class Backlight
{
public:
    // Writes `level` to the backlight brightness file; false when it is absent.
    static bool setBacklight(int level);
    // Writes 1 or 0 to the key light brightness file; false when it is absent.
    static bool setKeyLight(bool on);

    // Tests point these at files of their own.
    static void setPaths(const QString& backlight, const QString& keyLight);
    static void resetPaths();
};
