#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReadDiscreteInputs(uint8_t* pucFrame, uint16_t* pusLength);
