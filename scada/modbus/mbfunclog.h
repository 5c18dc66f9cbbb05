#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncCommandLog(uint8_t* pucFrame, uint16_t* pusLength);
eMBException eMBFuncReadLog(uint8_t* pucFrame, uint16_t* pusLength);
