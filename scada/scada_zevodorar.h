#pragma once

#include "scada/scada.h"

// Register map of SCADA profile 6: registers 256-303 and 356-394 read-only, 544-749 reserved writable;
// computed status, stop-reason and split-counter words.
class ScadaZevodorar : public Scada
{
    Q_OBJECT
public:
    ScadaZevodorar();
    ~ScadaZevodorar() override;

public slots:
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;
};
