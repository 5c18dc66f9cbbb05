#include "scada/modbus/mbfunclog.h"

#include "scada/modbus/mbutils.h"

#include <QDebug>

#include <cstring>

eMBException eMBFuncCommandLog(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 3)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usCommand = usMBGetU16(pucFrame + 1);
    *pusLength = 1;
    const eMBErrorCode eStatus = eMBRegCommandLog(pucFrame + 1, usCommand, pusLength);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    if (*pusLength > MB_PDU_SIZE_MAX) {
        qCritical() << "eMBFuncCommandLog: answer too long" << *pusLength;
        return MB_EX_SLAVE_DEVICE_FAILURE;
    }
    return MB_EX_NONE;
}

eMBException eMBFuncReadLog(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 7)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint8_t ucCount = pucFrame[6];
    if (ucCount < 1 || ucCount > 200)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint32_t ulAddress = (static_cast<uint32_t>(pucFrame[1]) << 24) | (static_cast<uint32_t>(pucFrame[2]) << 16)
        | (static_cast<uint32_t>(pucFrame[3]) << 8) | pucFrame[4];

    pucFrame[1] = ucCount;
    *pusLength = 2;
    // A callback that fills less must not send the request's own bytes back as log data.
    std::memset(pucFrame + 2, 0, ucCount);
    const eMBErrorCode eStatus = eMBRegReadLog(pucFrame + 2, ulAddress + 1u, ucCount);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    *pusLength = static_cast<uint16_t>(*pusLength + ucCount);
    return MB_EX_NONE;
}
