#pragma once

#include "scada/modbus/mb.h"

#include <QObject>

#include <cstdint>

class ScadaServer;

// Base of every register map; lives on the SCADA thread.
class Scada : public QObject
{
    Q_OBJECT
public:
    explicit Scada(QObject* parent = nullptr);
    ~Scada() override;

    // Thread-safe: disables the Modbus engine and closes its port.
    virtual void setProcessEnabled(bool enabled);

    // The Modbus TCP server of this map (a child of the object).
    ScadaServer* server() const { return server_; }

public slots:
    virtual void process();

    // Register access of the Modbus callbacks; address is the PDU address + 1.
    virtual eMBErrorCode readReg(uint8_t* buffer, uint16_t address, uint16_t numRegs);
    virtual eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs);
    virtual eMBErrorCode writeCoils(uint8_t* buffer, uint16_t address, uint16_t numCoils);
    virtual eMBErrorCode readInfo(uint8_t* buffer, uint16_t address, uint16_t* len);
    virtual eMBErrorCode commandLog(uint8_t* buffer, uint16_t command, uint16_t* len);
    virtual eMBErrorCode readLog(uint8_t* buffer, uint32_t address, uint16_t len);
    virtual eMBErrorCode readFileRecord(uint8_t* buffer, uint32_t address, uint16_t len);
    virtual int slotSoftwareWrite(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                                  uint8_t* usRecordData);

private:
    ScadaServer* server_ = nullptr;
};
