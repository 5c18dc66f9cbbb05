#pragma once

#include "scada/modbus/mb.h"

#include <cstddef>
#include <cstdint>

// Modbus TCP frame layer: MBAP header around the PDU, one frame buffer for the whole system.

constexpr int MB_TCP_TID = 0;
constexpr int MB_TCP_PID = 2;
constexpr int MB_TCP_LEN = 4;
constexpr int MB_TCP_UID = 6;
constexpr int MB_TCP_FUNC = 7;
constexpr int MB_TCP_BUF_SIZE = 263;       // 7-byte header + 256 PDU bytes
constexpr uint16_t MB_TCP_LEN_MIN = 2;      // unit id + function code
constexpr uint16_t MB_TCP_LEN_MAX = MB_TCP_BUF_SIZE - MB_TCP_UID;  // what the frame buffer holds

extern uint8_t aucTCPBuf[MB_TCP_BUF_SIZE];
extern uint16_t usTCPBufPos;

eMBErrorCode eMBTCPDoInit(uint16_t usTCPPort);
void eMBTCPStart();
void eMBTCPStop();
eMBErrorCode eMBTCPReceive(uint8_t* pucRcvAddress, uint8_t** ppucFrame, uint16_t* pusLength);
eMBErrorCode eMBTCPSend(uint8_t ucSlaveAddress, const uint8_t* pucFrame, uint16_t usLength);

// What the head of a byte stream from a client holds.
enum eMBTCPFrameScan {
    MB_TCP_SCAN_INCOMPLETE,  // more bytes needed
    MB_TCP_SCAN_FRAME,       // one whole frame of *pusFrameLen bytes
    MB_TCP_SCAN_FOREIGN,     // a whole frame of another protocol (id not 0), *pusFrameLen bytes to skip
    MB_TCP_SCAN_INVALID      // a length field out of range: the stream cannot be followed
};
eMBTCPFrameScan eMBTCPScanFrame(const uint8_t* pucData, size_t ulLength, uint16_t* pusFrameLen);

// Port functions (scada/scadaserver.cpp).
bool xMBTCPPortInit(uint16_t usTCPPort);
void vMBTCPPortClose();
void vMBTCPPortDisable();
bool xMBTCPPortGetRequest(uint8_t** ppucMBTCPFrame, uint16_t* pusTCPLength);
bool xMBTCPPortSendResponse(const uint8_t* pucMBTCPFrame, uint16_t usTCPLength);
// The engine is done with the request in the frame buffer; the next queued one may come in.
void vMBTCPPortRequestDone();
