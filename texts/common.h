#pragma once

#include <QString>
#include <QtGlobal>

#include "app/parameterdef.h"

// Static text, unit and CRC helpers. Reentrant: callable from any thread.
class Common
{
public:
    // Every float-to-integer conversion of a parameter value goes through these two.
    // Truncation toward zero; NaN gives 0; out-of-range values saturate.
    static quint32 toCode(float value);   // negative gives 0
    static qint32 toInt(float value);

    // (scale, offset) of unit `unit` of quantity `physic`: display = offset + stored * scale.
    struct UnitFactor {
        float scale;
        float offset;
    };
    static const UnitFactor units[33][9];

    // Unit text of quantity `physic` (0..32) in unit `unit`; empty above 32.
    static QString getTextUnitPhysic(int physic, int unit);

    static QString getTextFromId(int id);

    static bool checkRange(double value, double min, double max, unsigned int discret);
    static void sleep(int ms);
    static quint16 crc16(const char* data, int length);
};
