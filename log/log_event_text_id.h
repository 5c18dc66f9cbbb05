#pragma once

#include <QString>
#include <QtGlobal>

// Data tables of the event journal: the controller's event identifiers, the renderers of
// setpoint changes and the journal names of parameters. LogEvent builds the texts from them.
namespace LogEventTextId {

// What an event identifier stands for.
enum class Kind : quint8 {
    None,       // not an event identifier: the record's event code decides
    TripAbove,  // trip with the measured value above the setpoint
    TripBelow,  // trip with the measured value below the setpoint
    TripInput,  // trip of a digital input, with its signal type
    TripPlain,
    Restart,
    Prohibit,
    Block,
    Fixed       // a station event with a fixed phrase
};

// How a fixed phrase takes the record's values.
enum class Decoration : quint8 {
    None,
    DhsType,        // value 2: downhole sensor system type
    VsdType,        // value 2: drive type
    EmType,         // value 2: meter type
    AiBelow,        // "value 1 < value 2", one decimal
    AiAbove,        // "value 1 > value 2", one decimal
    StartCount,     // "value 1 > value 2", whole numbers
    Resistance,     // value 2 in ohms, four decimals
    RegimeRunFail,  // value 1 names a setting, value 2 is its value
    Profile,        // value 2: profile number
    PhaseRotation,  // value 1: phase sequence
    ParamValue,     // value 1 names a parameter, value 2 is shown as it is
    SensorSuffix    // sensor marking appended for one oil company
};

struct Identifier {
    Kind kind = Kind::None;
    Decoration decoration = Decoration::None;
    quint16 paramId = 0;            // parameter of a value-form trip
    const char* name = nullptr;     // protection name (untranslated), or null
    const char* text = nullptr;     // fixed phrase (untranslated), or null
    const char* suffix = nullptr;   // sensor marking of a SensorSuffix phrase
};

// The row of an event identifier; kind None for any other number.
Identifier identifier(quint16 id);

// Untranslated journal name of a parameter, or null when it has none.
const char* journalName(int id);

// Renders one value of a setpoint change by the parameter's enumeration; null when the
// parameter has no such rendering.
using SetpointRender = QString (*)(float);
SetpointRender setpointRenderer(quint16 id);

} // namespace LogEventTextId
