#pragma once

#include "scada/scada.h"

// Register map of SCADA profile 7: registers 0-255, one row each; writes go to the mirrored parameters.
class ScadaDoveduvivedodi : public Scada
{
    Q_OBJECT
public:
    ScadaDoveduvivedodi();
    ~ScadaDoveduvivedodi() override;

public slots:
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;
};
