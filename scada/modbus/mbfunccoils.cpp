#include "scada/modbus/mbfunccoils.h"

#include "scada/modbus/mbutils.h"

namespace {

constexpr uint16_t kReadCoilsMax = 2000;
constexpr uint16_t kWriteCoilsMax = 1968;

uint16_t prvusBitBytes(uint16_t usCount)
{
    return static_cast<uint16_t>(usCount / 8 + ((usCount % 8) ? 1 : 0));
}

} // namespace

eMBException eMBFuncReadCoils(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 5)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    const uint16_t usCount = usMBGetU16(pucFrame + 3);
    if (usCount < 1 || usCount > kReadCoilsMax)
        return MB_EX_ILLEGAL_DATA_VALUE;

    const uint16_t usBytes = prvusBitBytes(usCount);
    pucFrame[1] = static_cast<uint8_t>(usBytes);
    *pusLength = 2;
    const eMBErrorCode eStatus = eMBRegCoilsCB(pucFrame + 2, usAddress, usCount, MB_REG_READ);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + usBytes);
    return MB_EX_NONE;
}

eMBException eMBFuncWriteCoil(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 5)
        return MB_EX_ILLEGAL_DATA_VALUE;
    if (pucFrame[4] != 0x00 || (pucFrame[3] != 0xFF && pucFrame[3] != 0x00))
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    uint8_t ucBuf[2] = {static_cast<uint8_t>(pucFrame[3] == 0xFF ? 1 : 0), 0};
    const eMBErrorCode eStatus = eMBRegCoilsCB(ucBuf, usAddress, 1, MB_REG_WRITE);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    return MB_EX_NONE;
}

eMBException eMBFuncWriteMultipleCoils(uint8_t* pucFrame, uint16_t* pusLength)
{
    uint16_t usAddress = 0;
    uint16_t usCount = 0;
    if (!xMBGetMultipleWrite(pucFrame, *pusLength, kWriteCoilsMax, true, &usAddress, &usCount))
        return MB_EX_ILLEGAL_DATA_VALUE;
    const eMBErrorCode eStatus = eMBRegCoilsCB(pucFrame + 6, usAddress, usCount, MB_REG_WRITE);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = 5;
    return MB_EX_NONE;
}
