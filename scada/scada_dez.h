#pragma once

#include "scada/scada.h"

// Register map of SCADA profile 11: 21 registers, the frequency setpoint and the stop command writable.
class ScadaDez : public Scada
{
    Q_OBJECT
public:
    ScadaDez();
    ~ScadaDez() override;

public slots:
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;
};
