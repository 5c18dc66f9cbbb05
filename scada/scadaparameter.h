#pragma once

#include <QtGlobal>

// One row of a register table: a register (or a coil) and the value it carries.
struct ScadaParameter {
    qint16 paramId = 0;     // >0 mirrored parameter, 0 computed or command row, -1 reserved
    quint16 address = 0;    // PDU address, counted from 0
    quint8 operation = 1;   // 2 writable by the master; anything else (3: stop-only motor data) read-only
    quint8 physic = 0;      // physical-quantity code of the unit conversion
    quint8 unit = 0;        // unit of the register within that quantity
    quint8 dataType = 0;    // register count and encoding, see Scada::sizeDataFromTypeData
    float coefficient = 1.0f;
    float min = 0.0f;       // range of a written raw register value
    float max = 0.0f;
    float value = 0.0f;     // stored unit; the raw types 12 and 13 keep an integer bit pattern here
};
