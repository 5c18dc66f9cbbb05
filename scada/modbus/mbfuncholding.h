#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReadHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength);
eMBException eMBFuncWriteHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength);
eMBException eMBFuncWriteMultipleHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength);
eMBException eMBFuncReadWriteMultipleHoldingRegister(uint8_t* pucFrame, uint16_t* pusLength);
