#include "scada/modbus/mbfuncholding.h"

#include "scada/modbus/mbutils.h"

namespace {

constexpr uint16_t kReadRegistersMax = 125;
constexpr uint16_t kWriteRegistersMax = 120;
constexpr uint16_t kReadWriteReadMax = 125;
constexpr uint16_t kReadWriteWriteMax = 121;

} // namespace

eMBException eMBFuncReadHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 5)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    const uint16_t usCount = usMBGetU16(pucFrame + 3);
    if (usCount < 1 || usCount > kReadRegistersMax)
        return MB_EX_ILLEGAL_DATA_VALUE;

    pucFrame[1] = static_cast<uint8_t>(usCount * 2);
    *pusLength = 2;
    const eMBErrorCode eStatus = eMBRegHoldingCB(pucFrame + 2, usAddress, usCount, MB_REG_READ);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + usCount * 2);
    return MB_EX_NONE;
}

eMBException eMBFuncWriteHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 5)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    const eMBErrorCode eStatus = eMBRegHoldingCB(pucFrame + 3, usAddress, 1, MB_REG_WRITE);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    return MB_EX_NONE;
}

eMBException eMBFuncWriteMultipleHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength)
{
    uint16_t usAddress = 0;
    uint16_t usCount = 0;
    if (!xMBGetMultipleWrite(pucFrame, *pusLength, kWriteRegistersMax, false, &usAddress, &usCount))
        return MB_EX_ILLEGAL_DATA_VALUE;
    const eMBErrorCode eStatus = eMBRegHoldingCB(pucFrame + 6, usAddress, usCount, MB_REG_WRITE);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = 5;
    return MB_EX_NONE;
}

eMBException eMBFuncReadWriteMultipleHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength < 10)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint8_t ucByteCount = pucFrame[9];
    if (*pusLength < 10 + ucByteCount)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usReadAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    const uint16_t usReadCount = usMBGetU16(pucFrame + 3);
    const uint16_t usWriteAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 5) + 1);
    const uint16_t usWriteCount = usMBGetU16(pucFrame + 7);
    if (usReadCount < 1 || usReadCount > kReadWriteReadMax)
        return MB_EX_ILLEGAL_DATA_VALUE;
    if (usWriteCount < 1 || usWriteCount > kReadWriteWriteMax)
        return MB_EX_ILLEGAL_DATA_VALUE;
    if (ucByteCount != usWriteCount * 2)
        return MB_EX_ILLEGAL_DATA_VALUE;

    eMBErrorCode eStatus = eMBRegHoldingCB(pucFrame + 10, usWriteAddress, usWriteCount, MB_REG_WRITE);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);

    pucFrame[1] = static_cast<uint8_t>(usReadCount * 2);
    *pusLength = 2;
    eStatus = eMBRegHoldingCB(pucFrame + 2, usReadAddress, usReadCount, MB_REG_READ);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + usReadCount * 2);
    return MB_EX_NONE;
}
