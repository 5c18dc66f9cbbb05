#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReadInputRegister(uint8_t* pucFrame, uint16_t* pusLength);
