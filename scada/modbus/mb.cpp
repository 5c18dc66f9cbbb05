#include "scada/modbus/mb.h"

#include "scada/modbus/mbfunccoils.h"
#include "scada/modbus/mbfuncdisc.h"
#include "scada/modbus/mbfuncfilerecord.h"
#include "scada/modbus/mbfuncholding.h"
#include "scada/modbus/mbfuncinfo.h"
#include "scada/modbus/mbfuncinput.h"
#include "scada/modbus/mbfunclog.h"
#include "scada/modbus/mbfuncother.h"
#include "scada/modbus/mbfuncreadfilerecord.h"
#include "scada/modbus/mbtcp.h"
#include "scada/modbus/portevent.h"

#include <cstring>

namespace {

struct xMBFunctionHandler {
    uint8_t ucFunctionCode;
    pxMBFunctionHandler pxHandler;
};

typedef void (*pvMBFrameStart)();
typedef void (*pvMBFrameStop)();
typedef void (*pvMBFrameClose)();
typedef eMBErrorCode (*peMBFrameReceive)(uint8_t* pucRcvAddress, uint8_t** pucFrame, uint16_t* pusLength);
typedef eMBErrorCode (*peMBFrameSend)(uint8_t ucSlaveAddress, const uint8_t* pucFrame, uint16_t usLength);

} // namespace

static uint8_t ucMBAddress = 0;
static eMBState eMBCurrentState = MB_STATE_NOT_INITIALISED;

static pvMBFrameStart pvMBFrameStartCur = nullptr;
static pvMBFrameStop pvMBFrameStopCur = nullptr;
static peMBFrameReceive peMBFrameReceiveCur = nullptr;
static peMBFrameSend peMBFrameSendCur = nullptr;
static pvMBFrameClose pvMBFrameCloseCur = nullptr;

static uint8_t* ucMBFrame = nullptr;
static uint8_t ucRcvAddress = 0;
static uint16_t usLength = 0;

static uint8_t ucMBSlaveID[MB_FUNC_OTHER_REP_SLAVEID_BUF];
static uint16_t usMBSlaveIDLen = 0;

static xMBFunctionHandler xFuncHandlers[MB_FUNC_HANDLERS_MAX] = {
    {MB_FUNC_OTHER_REPORT_SLAVEID, eMBFuncReportSlaveID},
    {MB_FUNC_READ_INPUT_REGISTER, eMBFuncReadInputRegister},
    {MB_FUNC_READ_HOLDING_REGISTER, eMBFuncReadHoldingRegister},
    {MB_FUNC_WRITE_MULTIPLE_REGISTERS, eMBFuncWriteMultipleHoldingRegister},
    {MB_FUNC_WRITE_REGISTER, eMBFuncWriteHoldingRegister},
    {MB_FUNC_READWRITE_MULTIPLE_REGISTERS, eMBFuncReadWriteMultipleHoldingRegister},
    {MB_FUNC_READ_COILS, eMBFuncReadCoils},
    {MB_FUNC_WRITE_SINGLE_COIL, eMBFuncWriteCoil},
    {MB_FUNC_WRITE_MULTIPLE_COILS, eMBFuncWriteMultipleCoils},
    {MB_FUNC_READ_DISCRETE_INPUTS, eMBFuncReadDiscreteInputs},
    {MB_FUNC_READ_ID_INFO, eMBFuncReadIdInfo},
    {MB_FUNC_COMMAND_LOG, eMBFuncCommandLog},
    {MB_FUNC_READ_LOG, eMBFuncReadLog},
    {MB_FUNC_READ_FILE_RECORD, eMBFuncReadFileRecord},
    {MB_FUNC_WRITE_FILE_RECORD, eMBFuncWriteFileRecord},
    {0, nullptr},
};

eMBException prveMBError2Exception(eMBErrorCode eErrorCode)
{
    static const eMBException table[8] = {
        MB_EX_NONE,
        MB_EX_ILLEGAL_DATA_ADDRESS,
        MB_EX_SLAVE_DEVICE_FAILURE,
        MB_EX_SLAVE_DEVICE_FAILURE,
        MB_EX_SLAVE_DEVICE_FAILURE,
        MB_EX_SLAVE_DEVICE_FAILURE,
        MB_EX_SLAVE_DEVICE_FAILURE,
        MB_EX_SLAVE_BUSY,
    };
    const unsigned index = static_cast<unsigned>(eErrorCode);
    return index < 8 ? table[index] : MB_EX_SLAVE_DEVICE_FAILURE;
}

eMBErrorCode eMBInit(eMBMode, uint8_t ucSlaveAddress)
{
    // Only Modbus TCP is built; the serial entry keeps the address and refuses.
    if (ucSlaveAddress >= MB_ADDRESS_MIN && ucSlaveAddress <= MB_ADDRESS_MAX)
        ucMBAddress = ucSlaveAddress;
    return MB_ERR_INVALID;
}

eMBErrorCode eMBTCPInit(uint16_t usTCPPort)
{
    if (eMBTCPDoInit(usTCPPort) != MB_ERR_NONE) {
        eMBCurrentState = MB_STATE_DISABLED;
        return MB_ERR_PORT;
    }
    xMBPortEventInit();
    pvMBFrameStartCur = eMBTCPStart;
    pvMBFrameStopCur = eMBTCPStop;
    peMBFrameReceiveCur = eMBTCPReceive;
    peMBFrameSendCur = eMBTCPSend;
    pvMBFrameCloseCur = vMBTCPPortClose;
    ucMBAddress = MB_TCP_PSEUDO_ADDRESS;
    eMBCurrentState = MB_STATE_DISABLED;
    return MB_ERR_NONE;
}

eMBErrorCode eMBClose()
{
    if (eMBCurrentState != MB_STATE_DISABLED)
        return MB_ERR_STATE;
    if (pvMBFrameCloseCur)
        pvMBFrameCloseCur();
    return MB_ERR_NONE;
}

eMBErrorCode eMBEnable()
{
    if (eMBCurrentState != MB_STATE_DISABLED)
        return MB_ERR_STATE;
    // A failed eMBTCPInit leaves the state disabled without frame hooks.
    if (!pvMBFrameStartCur)
        return MB_ERR_STATE;
    pvMBFrameStartCur();
    eMBCurrentState = MB_STATE_ENABLED;
    return MB_ERR_NONE;
}

eMBErrorCode eMBDisable()
{
    if (eMBCurrentState == MB_STATE_ENABLED) {
        if (pvMBFrameStopCur)
            pvMBFrameStopCur();
        eMBCurrentState = MB_STATE_DISABLED;
        return MB_ERR_NONE;
    }
    if (eMBCurrentState == MB_STATE_DISABLED)
        return MB_ERR_NONE;
    return MB_ERR_STATE;
}

eMBState eMBGetState()
{
    return eMBCurrentState;
}

void vMBExecute(uint8_t* pucFrame, uint16_t* pusLength)
{
    const uint8_t ucFunctionCode = pucFrame[0];
    eMBException eException = MB_EX_ILLEGAL_FUNCTION;
    for (int i = 0; i < MB_FUNC_HANDLERS_MAX; ++i) {
        if (xFuncHandlers[i].ucFunctionCode == 0)
            break;
        if (xFuncHandlers[i].ucFunctionCode == ucFunctionCode) {
            eException = xFuncHandlers[i].pxHandler(pucFrame, pusLength);
            break;
        }
    }
    if (eException != MB_EX_NONE) {
        pucFrame[0] = static_cast<uint8_t>(ucFunctionCode | MB_FUNC_ERROR);
        pucFrame[1] = static_cast<uint8_t>(eException);
        *pusLength = 2;
    }
}

eMBErrorCode eMBPoll()
{
    if (eMBCurrentState != MB_STATE_ENABLED)
        return MB_ERR_STATE;

    eMBEventType eEvent;
    if (!xMBPortEventGet(&eEvent))
        return MB_ERR_NONE;

    switch (eEvent) {
    case EV_FRAME_RECEIVED:
        if (peMBFrameReceiveCur(&ucRcvAddress, &ucMBFrame, &usLength) == MB_ERR_NONE) {
            if (ucRcvAddress == ucMBAddress || ucRcvAddress == MB_ADDRESS_BROADCAST)
                xMBPortEventPost(EV_EXECUTE);
        }
        break;
    case EV_EXECUTE:
        // The frame layer never hands over an empty PDU; this guards the first byte.
        if (!ucMBFrame || usLength == 0)
            break;
        vMBExecute(ucMBFrame, &usLength);
        if (ucRcvAddress != MB_ADDRESS_BROADCAST)
            peMBFrameSendCur(ucMBAddress, ucMBFrame, usLength);
        break;
    default:
        break;
    }
    return MB_ERR_NONE;
}

eMBErrorCode eMBRegisterCB(uint8_t ucFunctionCode, pxMBFunctionHandler pxHandler)
{
    if (static_cast<int8_t>(ucFunctionCode) < 1)
        return MB_ERR_INVALID;
    if (pxHandler) {
        for (int i = 0; i < MB_FUNC_HANDLERS_MAX; ++i) {
            if (xFuncHandlers[i].pxHandler == nullptr || xFuncHandlers[i].pxHandler == pxHandler) {
                xFuncHandlers[i].ucFunctionCode = ucFunctionCode;
                xFuncHandlers[i].pxHandler = pxHandler;
                return MB_ERR_NONE;
            }
        }
        return MB_ERR_NO_RESOURCES;
    }
    for (int i = 0; i < MB_FUNC_HANDLERS_MAX; ++i) {
        if (xFuncHandlers[i].ucFunctionCode == ucFunctionCode) {
            xFuncHandlers[i].ucFunctionCode = 0;
            xFuncHandlers[i].pxHandler = nullptr;
            break;
        }
    }
    return MB_ERR_NONE;
}

eMBErrorCode eMBSetSlaveID(uint8_t ucSlaveID, bool xIsRunning, const uint8_t* pucAdditional, uint16_t usAdditionalLen)
{
    if (usAdditionalLen > MB_FUNC_OTHER_REP_SLAVEID_BUF - 3)
        return MB_ERR_NO_RESOURCES;
    ucMBSlaveID[0] = ucSlaveID;
    ucMBSlaveID[1] = xIsRunning ? 0xFF : 0x00;
    if (usAdditionalLen > 0 && pucAdditional)
        std::memcpy(&ucMBSlaveID[2], pucAdditional, usAdditionalLen);
    usMBSlaveIDLen = static_cast<uint16_t>(usAdditionalLen + 2);
    return MB_ERR_NONE;
}

const uint8_t* pucMBGetSlaveID(uint16_t* pusLength)
{
    *pusLength = usMBSlaveIDLen;
    return ucMBSlaveID;
}
