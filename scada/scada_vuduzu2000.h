#pragma once

#include "scada/scada.h"

// Register map of SCADA profile 3: one coil, registers 256-285 read-only, 544-588 writable.
class ScadaVuduzu2000 : public Scada
{
    Q_OBJECT
public:
    ScadaVuduzu2000();
    ~ScadaVuduzu2000() override;

public slots:
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;
};
