#pragma once

#include "scada/scada.h"
#include "scada/scadadatetime.h"

// Register map of SCADA profile 4: holding registers at table addresses 30000-30084, input registers at
// 40000-40153 (the register callbacks add the offsets for this profile), one coil.
class ScadaDovedera : public Scada
{
    Q_OBJECT
public:
    ScadaDovedera();
    ~ScadaDovedera() override;

public slots:
    eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs) override;
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;

private:
    ScadaDateTime clockWrite_;
};
