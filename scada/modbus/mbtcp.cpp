#include "scada/modbus/mbtcp.h"

#include "scada/modbus/mbutils.h"

uint8_t aucTCPBuf[MB_TCP_BUF_SIZE];
uint16_t usTCPBufPos = 0;

eMBErrorCode eMBTCPDoInit(uint16_t usTCPPort)
{
    return xMBTCPPortInit(usTCPPort) ? MB_ERR_NONE : MB_ERR_PORT;
}

void eMBTCPStart()
{
}

void eMBTCPStop()
{
    vMBTCPPortDisable();
}

eMBErrorCode eMBTCPReceive(uint8_t* pucRcvAddress, uint8_t** ppucFrame, uint16_t* pusLength)
{
    uint8_t* pucMBTCPFrame = nullptr;
    uint16_t usLength = 0;
    xMBTCPPortGetRequest(&pucMBTCPFrame, &usLength);

    // A frame without a function code or of another protocol is dropped unanswered.
    if (usLength <= MB_TCP_FUNC || usLength > MB_TCP_BUF_SIZE || usMBGetU16(pucMBTCPFrame + MB_TCP_PID) != 0) {
        vMBTCPPortRequestDone();
        return MB_ERR_IO;
    }
    *ppucFrame = &pucMBTCPFrame[MB_TCP_FUNC];
    *pusLength = static_cast<uint16_t>(usLength - MB_TCP_FUNC);
    *pucRcvAddress = MB_TCP_PSEUDO_ADDRESS;
    return MB_ERR_NONE;
}

eMBErrorCode eMBTCPSend(uint8_t, const uint8_t* pucFrame, uint16_t usLength)
{
    eMBErrorCode eStatus = MB_ERR_NONE;
    // The response was built in place, so the header in front of it is the request's.
    uint8_t* pucMBTCPFrame = aucTCPBuf;
    if (pucFrame != aucTCPBuf + MB_TCP_FUNC || usLength > MB_TCP_BUF_SIZE - MB_TCP_FUNC) {
        eStatus = MB_ERR_IO;
    } else {
        vMBPutU16(pucMBTCPFrame + MB_TCP_LEN, static_cast<uint16_t>(usLength + 1));
        if (!xMBTCPPortSendResponse(pucMBTCPFrame, static_cast<uint16_t>(usLength + MB_TCP_FUNC)))
            eStatus = MB_ERR_IO;
    }
    vMBTCPPortRequestDone();
    return eStatus;
}

eMBTCPFrameScan eMBTCPScanFrame(const uint8_t* pucData, size_t ulLength, uint16_t* pusFrameLen)
{
    if (ulLength < MB_TCP_UID)
        return MB_TCP_SCAN_INCOMPLETE;
    const uint16_t usLen = usMBGetU16(pucData + MB_TCP_LEN);
    if (usLen < MB_TCP_LEN_MIN || usLen > MB_TCP_LEN_MAX)
        return MB_TCP_SCAN_INVALID;
    const uint16_t usFrameLen = static_cast<uint16_t>(MB_TCP_UID + usLen);
    if (ulLength < usFrameLen)
        return MB_TCP_SCAN_INCOMPLETE;
    *pusFrameLen = usFrameLen;
    return usMBGetU16(pucData + MB_TCP_PID) != 0 ? MB_TCP_SCAN_FOREIGN : MB_TCP_SCAN_FRAME;
}
