#pragma once

#include <QString>
#include <QtGlobal>

#include <cstring>
#include <functional>

#include "texts/parameterdef.h"

// Source of the motor temperature. A fixed underlying type keeps any code a valid value.
enum sensorTemperatureMotor : int {
    SensorTemperatureWinding = 0,
    SensorTemperatureOil = 1,
};

// Type of the downhole sensor system (parameter 39).
enum typeDHS : int {
    DhsNone = 0,
    DhsValdrin = 1,
    DhsAlmaz = 2,
    DhsBorets = 3,
    DhsElektonTmsn2 = 4,
    DhsElektonTmsn3 = 5,
    DhsEtalon = 6,
    DhsIrz = 7,
    DhsOrion = 8,
    DhsPicV2 = 9,
    DhsSkad = 10,
    DhsSkan = 11,
    DhsTriol = 12,
    DhsZenith = 13,
    DhsSng = 14,
    DhsBorets2 = 15,
    DhsRnTransfer = 16,
    DhsRuzeva = 17,
    DhsBakerHughes = 18,
    DhsSpyPro11 = 19,
    DhsEtalon06 = 20,
    DhsGrs = 21,
    DhsOxford = 22,
    DhsZenith248 = 23,
    DhsAce = 24,
    DhsPicV3 = 25,
};

// Static text, unit and CRC helpers. Reentrant: callable from any thread.
// Russian texts go through the translator with the context "QObject".
class Common
{
public:
    // Raw 32-bit cell of a parameter as the caller's mirror holds it (0 for an unknown id).
    // The texts read parameters only through one of these, handed in by the caller.
    using CellReader = std::function<quint32(quint16 id)>;

    // Every float-to-integer conversion of a parameter value goes through these two.
    // Truncation toward zero; NaN gives 0; out-of-range values saturate.
    static quint32 toCode(float value);   // negative gives 0
    static qint32 toInt(float value);

    // The 32-bit pattern of a float cell, and back.
    static quint32 floatBits(float value)
    {
        quint32 u;
        std::memcpy(&u, &value, sizeof u);
        return u;
    }
    static float bitsFloat(quint32 bits)
    {
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    // (scale, offset) of unit `unit` of quantity `physic`: display = offset + stored * scale.
    struct UnitFactor {
        float scale;
        float offset;
    };
    static const UnitFactor units[33][9];

    // Unit text of quantity `physic` (0..32) in unit `unit`; empty above 32.
    static QString getTextUnitPhysic(int physic, int unit);

    // Short display name of a parameter; the id in decimal when it has none.
    static QString getTextFromId(int id);
    // `value` formatted for `def`; "---" when not valid.
    static QString getTextValue(unTypeData value, const ParameterDef* def, bool valid, bool);
    // Seconds from the text an operator typed for a duration shown in time unit `unitOut`.
    // False, and *seconds untouched, when the text does not fit the unit's format.
    static bool parseTimeText(const QString& text, int unitOut, float* seconds);

    // Reasons, alarms, connection
    static QString getTextReasonRun(int reason);
    // 107-110 and 120-123 add the input's configured name read through `cells` (none when it is empty).
    static QString getTextReasonStop(int reason, const CellReader& cells);
    static QString getTextVsdAlarm(int code, bool showNumber);
    static QString getTextVsdWarning(int code, bool showNumber);
    static QString getTextConnect(unsigned short state);
    static QString getTextRgmRun(unsigned short type);

    // Enumerations
    static QString getTextProtMode(unsigned short value);
    static QString getTextOnOff(unsigned short value);
    static QString getTextRgmMode(unsigned short value);
    static QString getTextPhaseRotation(unsigned short value);
    static QString getTextSourceTemperature(sensorTemperatureMotor source);
    static QString getTextSourceR(unsigned short value);
    static QString getTextSourceCurrent(unsigned short value);
    static QString getTextAiAxisZeroShift(int value);
    static QString getTextVSdDoor(unsigned short value);
    static QString getTextVsdType(unsigned short type);
    static QString getTextTypeMtr(unsigned short type);
    static QString getTextMotorControl(unsigned short value);
    static QString getTextOilCompany(unsigned short value);
    static QString getTextMaintenanceModeParamType(unsigned short value);
    static QString getTextMaintenanceModeParamDepend(unsigned short value);
    static QString getTextMaintenanceModeParamTypeControl(unsigned short value);
    static QString getTextSwitchingFreqCode(unsigned short value);
    static QString getTextUseInduct(unsigned short value);
    static QString getTextDiType(unsigned short value);
    static QString getTextDiAction(unsigned short value);
    static QString getTextTypeAI(unsigned short value);
    static QString getTextAiParameter(unsigned short value);
    static QString getTextTypeMetal(unsigned short value);
    static QString getTextMotorInductance(unsigned short kind);
    static QString getTextMotorProfile(unsigned short profile);
    // Code 0: the custom name held in two parameters read through `cells` (getTextName); empty when either id
    // is 0 or `cells` is empty.
    static QString getTextDiParameter(unsigned short code, unsigned short firstNameId, unsigned short secondNameId,
                                      const CellReader& cells);
    // A name of up to 8 single-byte characters held in two raw values: `first` little-endian, then `second`,
    // up to the first zero byte, as UTF-8. Every screen reads the names through this one.
    static QString getTextName(quint32 first, quint32 second);
    static QString getTextTimeZone(int seconds);
    static QString getTextDhsType(typeDHS type);
    static QString getTextDhsInterface(unsigned short code);
    static QString getTextEmType(unsigned short type);
    static QString getTextSourceVoltage(unsigned short value);
    static QString getTextTypeVolt(unsigned short value);
    static QString getTextCalibType(unsigned short value);
    static QString getTextTypeAO(unsigned short type);
    static QString getTextParamAO(unsigned short id);
    static QString getTextRoAction(unsigned short action);
    static QString getTextScadaType(unsigned short value);
    static QString getTextRotation(unsigned short value);
    static QString getTextTypeStop(unsigned short value);
    static QString getTextUfType(unsigned short value);
    static QString getTextVectType(unsigned short value);
    static QString getTextChanelVsd(unsigned short value);
    static QString getTextSensorPosition(unsigned short value);
    static QString getTextAiParamUnits(unsigned short parameterCode, unsigned short unitCode);
    static QString getTextBacklight(unsigned short value);
    static QString getTextLanguage(unsigned short value);
    static QString getTextLockButton(unsigned short value);
    static QString getTextScadaParity(unsigned short value);
    static QString getTextAlarmVSDMode(unsigned short value);

    // Unit texts
    static QString getTextUnitTime(unsigned char unit);
    static QString getTextUnitResistance(unsigned char unit);
    static QString getTextUnitPressure(unsigned char unit);
    static QString getTextUnitTemperature(unsigned char unit);
    static QString getTextUnitAcceleration(unsigned char unit);
    static QString getTextUnitFlow(unsigned char unit);
    static QString getTextUnitPowerMotor(unsigned char unit);
    static QString getTextUnitCableCross(unsigned char unit);
    static QString getTextUnitFreq(unsigned char unit);

    // Analog input unit texts
    static QString getTextAiUnitPressure(unsigned char unit);
    static QString getTextAiUnitTemp(unsigned char unit);
    static QString getTextAiUnitVibrAcceler(unsigned char unit);
    static QString getTextAiUnitVibrSpeed(unsigned char unit);
    static QString getTextAiUnitResistIsol(unsigned char unit);
    static QString getTextAiUnitConsumption(unsigned char unit);
    static QString getTextAiUnitFreq(unsigned char unit);
    static QString getTextAiUnitCurrent(unsigned char unit);
    // By the measured quantity (codes of getTextAiParameter).
    static QString getTextAiUnit(unsigned char quantity, unsigned char unit);

    static float calcValueToPercent(float value, float min, float max);
    static float calcPercentToValue(float percent, float min, float max);

    static bool checkRange(double value, double min, double max, unsigned int discret);
    static void sleep(int ms);
    static quint16 crc16(const char* data, int length);
};
