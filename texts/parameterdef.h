#pragma once

#include <QString>
#include <QtGlobal>

// The 32-bit cell of one parameter, read as the controller stores it.
union unTypeData {
    quint32 u;
    qint32 i;
    float f;
};

// Metadata and current value of one parameter of the main controller.
struct ParameterDef {
    quint16 id = 0;
    quint8 access = 0;      // access level 0..4 that isAccess demands
    quint8 operation = 2;   // 1 read-only, 2 writable, 3 writable only while stopped
    quint8 physic = 0;      // physical-quantity code 0..32
    quint8 unitOut = 0;     // output unit within the quantity
    QString mask;           // display mask; digits after the last point give the decimals
    quint16 discret = 1;    // scale divisor (10^decimals) for range checks
    float min = 0.0f;
    float max = 0.0f;
    bool valid = false;
    unTypeData value{0};
};
