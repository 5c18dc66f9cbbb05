#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReadCoils(uint8_t* pucFrame, uint16_t* pusLength);
eMBException eMBFuncWriteCoil(uint8_t* pucFrame, uint16_t* pusLength);
eMBException eMBFuncWriteMultipleCoils(uint8_t* pucFrame, uint16_t* pusLength);
