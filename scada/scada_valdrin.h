#pragma once

#include <QByteArray>

#include "scada/scada.h"
#include "scada/scadadatetime.h"

// Register map of SCADA profile 1, the station maker's own: 892 rows with the station's state, stop
// reasons, protections and clock computed, settings and commands written, and the controller's
// compressed log served through the functions 0x41 and 0x42.
class ScadaValdrin : public Scada
{
    Q_OBJECT
public:
    ScadaValdrin();
    ~ScadaValdrin() override;

signals:
    // One 15-byte request header of a compressed-log slice, towards the SPI driver.
    void signalScadaRequestCompressLog(QByteArray data);

public slots:
    void process() override;
    eMBErrorCode commandLog(uint8_t* buffer, uint16_t command, uint16_t* len) override;
    eMBErrorCode readLog(uint8_t* buffer, uint32_t address, uint16_t len) override;
    eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs) override;
    int setNewValue(ScadaParameter* param) override;
    // Runs on the SPI thread (direct connection) while the SCADA thread waits in readLog.
    void slotScadaResiveCompressLog(QByteArray header, QByteArray log);

protected:
    void initParameters() override;
    void calcParams() override;

private:
    ScadaDateTime clockWrite_;
};
