#include "scada/modbus/mbfuncdisc.h"

#include "scada/modbus/mbutils.h"

eMBException eMBFuncReadDiscreteInputs(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 5)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>(usMBGetU16(pucFrame + 1) + 1);
    const uint16_t usCount = usMBGetU16(pucFrame + 3);
    if (usCount < 1 || usCount > 2000)
        return MB_EX_ILLEGAL_DATA_VALUE;

    const uint16_t usBytes = static_cast<uint16_t>(usCount / 8 + ((usCount % 8) ? 1 : 0));
    pucFrame[1] = static_cast<uint8_t>(usBytes);
    *pusLength = 2;
    const eMBErrorCode eStatus = eMBRegDiscreteCB(pucFrame + 2, usAddress, usCount);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + usBytes);
    return MB_EX_NONE;
}
