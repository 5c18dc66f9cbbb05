#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReadIdInfo(uint8_t* pucFrame, uint16_t* pusLength);
