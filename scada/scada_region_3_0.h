#pragma once

#include "scada/scada.h"
#include "scada/scadadatetime.h"

// Register map of SCADA profiles 2, 8 and 12: one coil, status and measurements at 256-353, settings at
// 544-644; holding and input registers read the same rows.
class ScadaZevovo30 : public Scada
{
    Q_OBJECT
public:
    ScadaZevovo30();
    ~ScadaZevovo30() override;

public slots:
    eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs) override;
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;

private:
    ScadaDateTime clockWrite_;
};
