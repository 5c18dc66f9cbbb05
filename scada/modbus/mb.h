#pragma once

#include <cstdint>

// Modbus slave engine: state, handler table and the poll step. Runs on the SCADA thread only.

enum eMBErrorCode : int {
    MB_ERR_NONE = 0,
    MB_ERR_NO_REGISTER = 1,
    MB_ERR_INVALID = 2,
    MB_ERR_PORT = 3,
    MB_ERR_NO_RESOURCES = 4,
    MB_ERR_IO = 5,
    MB_ERR_STATE = 6,
    MB_ERR_BUSY = 7
};

enum eMBException : int {
    MB_EX_NONE = 0x00,
    MB_EX_ILLEGAL_FUNCTION = 0x01,
    MB_EX_ILLEGAL_DATA_ADDRESS = 0x02,
    MB_EX_ILLEGAL_DATA_VALUE = 0x03,
    MB_EX_SLAVE_DEVICE_FAILURE = 0x04,
    MB_EX_ACKNOWLEDGE = 0x05,
    MB_EX_SLAVE_BUSY = 0x06
};

enum eMBState {
    MB_STATE_ENABLED = 0,
    MB_STATE_DISABLED = 1,
    MB_STATE_NOT_INITIALISED = 2
};

enum eMBRegisterMode {
    MB_REG_READ = 0,
    MB_REG_WRITE = 1
};

enum eMBMode {
    MB_RTU,
    MB_ASCII,
    MB_TCP
};

constexpr uint8_t MB_ADDRESS_BROADCAST = 0;
constexpr uint8_t MB_ADDRESS_MIN = 1;
constexpr uint8_t MB_ADDRESS_MAX = 247;
constexpr uint8_t MB_TCP_PSEUDO_ADDRESS = 255;
constexpr int MB_FUNC_HANDLERS_MAX = 16;
constexpr uint16_t MB_PDU_SIZE_MAX = 253;
constexpr int MB_FUNC_OTHER_REP_SLAVEID_BUF = 32;

constexpr uint8_t MB_FUNC_READ_COILS = 0x01;
constexpr uint8_t MB_FUNC_READ_DISCRETE_INPUTS = 0x02;
constexpr uint8_t MB_FUNC_READ_HOLDING_REGISTER = 0x03;
constexpr uint8_t MB_FUNC_READ_INPUT_REGISTER = 0x04;
constexpr uint8_t MB_FUNC_WRITE_SINGLE_COIL = 0x05;
constexpr uint8_t MB_FUNC_WRITE_REGISTER = 0x06;
constexpr uint8_t MB_FUNC_WRITE_MULTIPLE_COILS = 0x0F;
constexpr uint8_t MB_FUNC_WRITE_MULTIPLE_REGISTERS = 0x10;
constexpr uint8_t MB_FUNC_OTHER_REPORT_SLAVEID = 0x11;
constexpr uint8_t MB_FUNC_READ_FILE_RECORD = 0x14;
constexpr uint8_t MB_FUNC_WRITE_FILE_RECORD = 0x15;
constexpr uint8_t MB_FUNC_READWRITE_MULTIPLE_REGISTERS = 0x17;
constexpr uint8_t MB_FUNC_READ_ID_INFO = 0x2B;
constexpr uint8_t MB_FUNC_COMMAND_LOG = 0x41;
constexpr uint8_t MB_FUNC_READ_LOG = 0x42;
constexpr uint8_t MB_FUNC_ERROR = 0x80;

// A handler builds the response over the request in place; pusLength is the PDU length in and out.
typedef eMBException (*pxMBFunctionHandler)(uint8_t* pucFrame, uint16_t* pusLength);

eMBErrorCode eMBInit(eMBMode eMode, uint8_t ucSlaveAddress);
eMBErrorCode eMBTCPInit(uint16_t usTCPPort);
eMBErrorCode eMBClose();
eMBErrorCode eMBEnable();
eMBErrorCode eMBDisable();
eMBErrorCode eMBPoll();
eMBErrorCode eMBRegisterCB(uint8_t ucFunctionCode, pxMBFunctionHandler pxHandler);
eMBErrorCode eMBSetSlaveID(uint8_t ucSlaveID, bool xIsRunning, const uint8_t* pucAdditional, uint16_t usAdditionalLen);
eMBState eMBGetState();

// Runs the handler of the PDU's function code and turns a failure into an exception response.
void vMBExecute(uint8_t* pucFrame, uint16_t* pusLength);

eMBException prveMBError2Exception(eMBErrorCode eErrorCode);

// The identification store answered by function 0x11.
const uint8_t* pucMBGetSlaveID(uint16_t* pusLength);

// Register callbacks, served by the current register map (scada/scada.cpp).
// usAddress is the PDU address + 1 (mod 65536).
eMBErrorCode eMBRegInputCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNRegs);
eMBErrorCode eMBRegHoldingCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNRegs, eMBRegisterMode eMode);
eMBErrorCode eMBRegCoilsCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNCoils, eMBRegisterMode eMode);
eMBErrorCode eMBRegDiscreteCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNDiscrete);
eMBErrorCode eMBRegReadInfo(uint8_t* pucBuffer, uint16_t usAddress, uint16_t* pusLength);
eMBErrorCode eMBRegCommandLog(uint8_t* pucBuffer, uint16_t usCommand, uint16_t* pusLength);
eMBErrorCode eMBRegReadLog(uint8_t* pucBuffer, uint32_t ulAddress, uint16_t usCount);
eMBErrorCode eMBReadFileRecord(uint8_t* pucBuffer, uint32_t ulAddress, uint16_t usCount);
eMBErrorCode eMBWriteFileRecord(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                                uint8_t* pucRecordData);
