#include "scada/modbus/mbfuncinfo.h"

#include <QDebug>

eMBException eMBFuncReadIdInfo(uint8_t* pucFrame, uint16_t* pusLength)
{
    if (*pusLength != 4)
        return MB_EX_ILLEGAL_DATA_VALUE;
    const uint16_t usAddress = static_cast<uint16_t>((pucFrame[1] << 8) + pucFrame[2] + 1);
    *pusLength = 1;
    const eMBErrorCode eStatus = eMBRegReadInfo(pucFrame + 1, usAddress, pusLength);
    if (eStatus != MB_ERR_NONE)
        return prveMBError2Exception(eStatus);
    if (*pusLength > MB_PDU_SIZE_MAX) {
        qCritical() << "eMBFuncReadIdInfo: answer too long" << *pusLength;
        return MB_EX_SLAVE_DEVICE_FAILURE;
    }
    return MB_EX_NONE;
}
