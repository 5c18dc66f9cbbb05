#include "scada/modbus/mbfuncother.h"

#include <cstring>

eMBException eMBFuncReportSlaveID(uint8_t* pucFrame, uint16_t* pusLength)
{
    // Standard masters expect a byte count ahead of the identification bytes.
    uint16_t usIdLength = 0;
    const uint8_t* pucId = pucMBGetSlaveID(&usIdLength);
    pucFrame[1] = static_cast<uint8_t>(usIdLength);
    if (usIdLength > 0)
        std::memcpy(&pucFrame[2], pucId, usIdLength);
    *pusLength = static_cast<uint16_t>(2 + usIdLength);
    return MB_EX_NONE;
}
