#pragma once

#include <QVector>

#include "scada/scada.h"

// Register map of SCADA profile 5: work state, counters, status and date-time words computed from the
// mirror, and command registers that turn the master's codes into parameter writes.
class ScadaZizedu : public Scada
{
    Q_OBJECT
public:
    ScadaZizedu();
    ~ScadaZizedu() override;

    // Writes the date-time triple of `t` (seconds, broken down in local time) into `param` and the
    // two table rows after it.
    void calcDateTime(long t, ScadaParameter* param);

public slots:
    eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs) override;
    int setNewValue(ScadaParameter* param) override;

protected:
    void initParameters() override;
    void calcParams() override;

private:
    struct Edit {
        quint16 id;
        quint32 raw;
    };
    // A parameter as the request being written leaves it: registers that edit one field of a value
    // (date, hours, minutes) build on the fields that earlier registers of the request wrote.
    quint32 current(quint16 id) const;
    float currentValue(quint16 id) const;
    void write(quint16 id, float value);
    void write(quint16 id, quint32 raw);
    bool editClock(quint16 address, quint32 word);

    QVector<Edit> edits_;
};
