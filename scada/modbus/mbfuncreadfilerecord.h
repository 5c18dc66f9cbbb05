#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReadFileRecord(uint8_t* pucFrame, uint16_t* pusLength);
