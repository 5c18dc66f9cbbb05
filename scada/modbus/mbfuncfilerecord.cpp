#include "scada/modbus/mbfuncfilerecord.h"

#include "scada/modbus/mbutils.h"

eMBException eMBFuncWriteFileRecord(uint8_t* pucFrame, uint16_t* pusLength)
{
    const int iLength = *pusLength;
    if (iLength < 9)
        return MB_EX_ILLEGAL_DATA_VALUE;
    if (pucFrame[1] + 2 != iLength || pucFrame[2] != 6)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usFileNumber = usMBGetU16(pucFrame + 3);
    const uint16_t usRecordNumber = usMBGetU16(pucFrame + 5);
    const uint16_t usRecordLength = usMBGetU16(pucFrame + 7);
    // In int: a 16-bit 2n would wrap for record lengths of 0x8000 and more.
    if (2 * static_cast<int>(usRecordLength) > iLength - 9)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const eMBErrorCode eStatus = eMBWriteFileRecord(usFileNumber, usRecordNumber, usRecordLength, pucFrame + 9);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    return MB_EX_NONE;
}
