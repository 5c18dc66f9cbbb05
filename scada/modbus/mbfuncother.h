#pragma once

#include "scada/modbus/mb.h"

eMBException eMBFuncReportSlaveID(uint8_t* pucFrame, uint16_t* pusLength);
