#include "scada/modbus/mbfuncinput.h"

#include "scada/modbus/mbutils.h"

eMBException eMBFuncReadInputRegister(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 5)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    const uint16_t usCount = usMBGetU16(pucFrame + 3);
    if (usCount < 1 || usCount > 125)
        return MB_EX_ILLEGAL_DATA_VALUE;

    pucFrame[1] = static_cast<uint8_t>(usCount * 2);
    *pusLength = 2;
    const eMBErrorCode eStatus = eMBRegInputCB(pucFrame + 2, usAddress, usCount);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + usCount * 2);
    return MB_EX_NONE;
}
