#include "scada/scada.h"

#include "app/mainapplication.h"
#include "scada/scadaserver.h"

Scada::Scada(QObject* parent)
    : QObject(parent)
    , server_(new ScadaServer(this))
{
}

Scada::~Scada() = default;

void Scada::setProcessEnabled(bool) {}

void Scada::process() {}

eMBErrorCode Scada::readReg(uint8_t*, uint16_t, uint16_t)
{
    return MB_ERR_NO_REGISTER;
}

eMBErrorCode Scada::writeReg(uint8_t*, uint16_t, uint16_t)
{
    return MB_ERR_NO_REGISTER;
}

eMBErrorCode Scada::writeCoils(uint8_t*, uint16_t, uint16_t)
{
    return MB_ERR_NO_REGISTER;
}

eMBErrorCode Scada::readInfo(uint8_t*, uint16_t, uint16_t*)
{
    return MB_ERR_INVALID;
}

eMBErrorCode Scada::commandLog(uint8_t*, uint16_t, uint16_t*)
{
    return MB_ERR_NONE;
}

eMBErrorCode Scada::readLog(uint8_t*, uint32_t, uint16_t)
{
    return MB_ERR_NONE;
}

eMBErrorCode Scada::readFileRecord(uint8_t*, uint32_t, uint16_t)
{
    return MB_ERR_INVALID;
}

int Scada::slotSoftwareWrite(uint16_t, uint16_t, uint16_t, uint8_t*)
{
    return MB_ERR_INVALID;
}

// Modbus callbacks: plain functions of the engine, served by the current register map.

static Scada* prvCurrentScada()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->scada() : nullptr;
}

eMBErrorCode eMBRegInputCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNRegs)
{
    Scada* scada = prvCurrentScada();
    return scada ? scada->readReg(pucRegBuffer, usAddress, usNRegs) : MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBRegHoldingCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNRegs, eMBRegisterMode eMode)
{
    Scada* scada = prvCurrentScada();
    if (!scada)
        return MB_ERR_NO_REGISTER;
    switch (eMode) {
    case MB_REG_READ:
        return scada->readReg(pucRegBuffer, usAddress, usNRegs);
    case MB_REG_WRITE:
        return scada->writeReg(pucRegBuffer, usAddress, usNRegs);
    }
    return MB_ERR_NONE;
}

eMBErrorCode eMBRegCoilsCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNCoils, eMBRegisterMode eMode)
{
    Scada* scada = prvCurrentScada();
    if (!scada || eMode == MB_REG_READ)
        return MB_ERR_NO_REGISTER;
    return scada->writeCoils(pucRegBuffer, usAddress, usNCoils);
}

eMBErrorCode eMBRegDiscreteCB(uint8_t*, uint16_t, uint16_t)
{
    // No register map has discrete inputs.
    return MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBRegReadInfo(uint8_t* pucBuffer, uint16_t usAddress, uint16_t* pusLength)
{
    Scada* scada = prvCurrentScada();
    return scada ? scada->readInfo(pucBuffer, usAddress, pusLength) : MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBRegCommandLog(uint8_t* pucBuffer, uint16_t usCommand, uint16_t* pusLength)
{
    Scada* scada = prvCurrentScada();
    return scada ? scada->commandLog(pucBuffer, usCommand, pusLength) : MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBRegReadLog(uint8_t* pucBuffer, uint32_t ulAddress, uint16_t usCount)
{
    Scada* scada = prvCurrentScada();
    return scada ? scada->readLog(pucBuffer, ulAddress, usCount) : MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBReadFileRecord(uint8_t* pucBuffer, uint32_t ulAddress, uint16_t usCount)
{
    Scada* scada = prvCurrentScada();
    return scada ? scada->readFileRecord(pucBuffer, ulAddress, usCount) : MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBWriteFileRecord(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                                uint8_t* pucRecordData)
{
    Scada* scada = prvCurrentScada();
    if (!scada)
        return MB_ERR_NO_REGISTER;
    return static_cast<eMBErrorCode>(scada->slotSoftwareWrite(usFileNumber, usRecordNumber, usRecordLength,
                                                              pucRecordData));
}
