#pragma once

#include "scada/scada.h"

// Register map of SCADA profile 10: 653 rows from register 0 to 24579; it computes nothing and, as the
// base does, refuses every write.
class ScadaRuzidarIrirud : public Scada
{
    Q_OBJECT
public:
    ScadaRuzidarIrirud();
    ~ScadaRuzidarIrirud() override;

protected:
    void initParameters() override;
    void calcParams() override;
};
