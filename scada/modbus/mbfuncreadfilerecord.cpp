#include "scada/modbus/mbfuncreadfilerecord.h"

#include "scada/modbus/mbutils.h"

#include <cstring>

eMBException eMBFuncReadFileRecord(uint8_t* pucFrame, uint16_t* pusLength)
{
    // One sub-request only; byte count and reference type are not checked.
    if (*pusLength != 9)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usFileNumber = usMBGetU16(pucFrame + 3);
    const uint16_t usRecordLength = usMBGetU16(pucFrame + 7);
    if (usRecordLength < 1 || usRecordLength > 121)
        return MB_EX_ILLEGAL_DATA_VALUE;

    const uint16_t usBytes = static_cast<uint16_t>(usRecordLength * 2);
    // The file number counts pages of the requested length.
    const uint32_t ulOffset = static_cast<uint32_t>(usFileNumber) * usRecordLength * 2u;
    pucFrame[1] = static_cast<uint8_t>(usBytes + 2);
    pucFrame[2] = static_cast<uint8_t>(usBytes + 1);
    pucFrame[3] = 6;
    *pusLength = 4;
    std::memset(pucFrame + 4, 0, usBytes);
    const eMBErrorCode eStatus = eMBReadFileRecord(pucFrame + 4, ulOffset, usBytes);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + usBytes);
    return MB_EX_NONE;
}
