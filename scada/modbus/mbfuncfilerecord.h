#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncWriteFileRecord(uint8_t* pucFrame, uint16_t* pusLength);
