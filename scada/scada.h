#pragma once

#include <QObject>

// Base of every register map; lives on the SCADA thread.
class Scada : public QObject
{
    Q_OBJECT
public:
    explicit Scada(QObject* parent = nullptr);
    ~Scada() override;

    // Thread-safe: disables the Modbus engine and closes its port.
    virtual void setProcessEnabled(bool enabled);

public slots:
    virtual void process();
};
