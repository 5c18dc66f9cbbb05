#pragma once

#include "scada/scada.h"

// Register map of SCADA profile 9: five coils, registers 47-2213; holding and input registers read the
// same rows.
class ScadaRiZovo : public Scada
{
    Q_OBJECT
public:
    ScadaRiZovo();
    ~ScadaRiZovo() override;

    // The master's code of a protection action: 2 (restart) reads 3, 1 and 3 read 2.
    unsigned short getCodeAIAction(unsigned short id) const;
    // Writes the protection action `id` from a master's code 0-3; 1 refuses a larger code.
    int setCodeTripAction(unsigned short id, float code);

public slots:
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;
};
