// Byte stream of one client through the frame scanner, the frame layer and the PDU handlers,
// without a socket. Every response must stay inside the frame buffer and carry a sane header.
#include "scada/modbus/mb.h"
#include "scada/modbus/mbtcp.h"
#include "scada/modbus/mbutils.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t pos = 0;
    // Bounded: each pass consumes at least one frame or stops.
    while (pos < size) {
        uint16_t frameLen = 0;
        const eMBTCPFrameScan scan = eMBTCPScanFrame(data + pos, size - pos, &frameLen);
        if (scan == MB_TCP_SCAN_INCOMPLETE || scan == MB_TCP_SCAN_INVALID)
            break;
        if (frameLen < 8 || frameLen > MB_TCP_BUF_SIZE)
            abort();
        if (scan == MB_TCP_SCAN_FOREIGN) {
            pos += frameLen;
            continue;
        }
        // Stale bytes behind the frame show up as reads past the request under MSan-like checks.
        memset(aucTCPBuf, 0xCD, sizeof(aucTCPBuf));
        memcpy(aucTCPBuf, data + pos, frameLen);
        usTCPBufPos = frameLen;
        pos += frameLen;

        uint8_t address = 0;
        uint8_t* pdu = nullptr;
        uint16_t pduLen = 0;
        if (eMBTCPReceive(&address, &pdu, &pduLen) != MB_ERR_NONE)
            continue;
        if (pdu != aucTCPBuf + MB_TCP_FUNC || pduLen == 0 || pduLen > MB_TCP_BUF_SIZE - MB_TCP_FUNC)
            abort();
        const uint8_t function = pdu[0];
        vMBExecute(pdu, &pduLen);
        if (pduLen == 0 || pduLen > MB_PDU_SIZE_MAX)
            abort();
        if ((pdu[0] & 0x7F) != (function & 0x7F))
            abort();
        if ((pdu[0] & MB_FUNC_ERROR) && (pduLen != 2 || pdu[1] < 1 || pdu[1] > 6))
            abort();
        eMBTCPSend(address, pdu, pduLen);
        if (usMBGetU16(aucTCPBuf + MB_TCP_LEN) != pduLen + 1)
            abort();
    }
    return 0;
}
