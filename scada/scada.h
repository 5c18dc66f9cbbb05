#pragma once

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <atomic>
#include <mutex>
#include <cstdint>

#include "scada/modbus/mb.h"
#include "scada/scadaparameter.h"

class Parameters;
class QTimer;
class ScadaServer;
class SpiDriver;


// Base of every register map and the worker of the Modbus slave; lives on the SCADA thread.
class Scada : public QObject
{
    Q_OBJECT
public:
    Scada();
    ~Scada() override;

    static int sizeDataFromTypeData(unsigned char dataType);
    int getIndexAtAddress(int address, unsigned char dataType) const;

    int rowCount() const { return countParameters_; }
    const ScadaParameter* rows() const { return parameters_; }
    int startIndex() const { return startIndex_; }
    bool isProcessEnabled() const { return processEnabled_.load(); }
    // The Modbus TCP server of this map (a child of the object).
    ScadaServer* server() const { return server_; }

    // How long a register callback waits for the main controller.
    static constexpr int kWaitControllerMs = 5000;
    static constexpr int kLogRecordBytes = 242;

signals:
    void signalSoftwareWrite(QByteArray data);
    void signalScadaRequestCompressLogRN(QByteArray data);

public slots:
    virtual void process();
    // Callable from any thread; false also stops and closes the Modbus engine.
    void setProcessEnabled(bool enabled);

    virtual eMBErrorCode readReg(uint8_t* buffer, uint16_t address, uint16_t numRegs);
    virtual eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs);
    virtual eMBErrorCode writeCoils(uint8_t* buffer, uint16_t address, uint16_t numCoils);
    virtual eMBErrorCode readInfo(uint8_t* buffer, uint16_t address, uint16_t* len);
    virtual eMBErrorCode commandLog(uint8_t* buffer, uint16_t command, uint16_t* len);
    virtual eMBErrorCode readLog(uint8_t* buffer, uint32_t address, uint16_t len);
    virtual eMBErrorCode readFileRecord(uint8_t* buffer, uint32_t address, uint16_t len);
    virtual int setNewValue(ScadaParameter* param);
    ScadaParameter* parameter(uint16_t address);
    virtual int slotSoftwareWrite(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                          uint8_t* usRecordData);
    // Runs on the SPI thread while the SCADA thread waits in readFileRecord.
    void slotScadaResiveCompressLogRN(QByteArray header, QByteArray log);
    void pool();
    void calcParamsStart();

protected:
    // Every register map fills its table and computes its computed rows; the stack's
    // test map serves registers of its own and keeps these empty.
    virtual void initParameters() {}
    virtual void calcParams() {}

    // initParameters() and the start index behind the coil rows.
    void buildTable();
    // Allocates `count` zeroed rows; initParameters then fills them.
    ScadaParameter* allocParameters(quint16 count);
    // Parameter writes of setNewValue: held back while a multi-register write is checked,
    // so that a refused row sends nothing of the request.
    void setParameter(quint16 id, float value, int eventType);
    void setParameter(quint16 id, quint32 raw, int eventType);
    Parameters* params() const;

    ScadaParameter* parameters_ = nullptr;
    ScadaParameter defaultParameter_;
    quint16 countParameters_ = 0;

    QByteArray headerBuffer_;
    QByteArray logBuffer_;

private slots:
    void closeEngine();

private:
    struct PendingWrite {
        quint16 id;
        quint32 raw;
        int eventType;
    };
    bool encodeRow(const ScadaParameter& row, uint8_t* out, bool both) const;
    bool decodeRow(const ScadaParameter& row, const uint8_t* in, float* value) const;
    SpiDriver* spiDriver() const;

    ScadaServer* server_ = nullptr;
    std::mutex logLock_;  // a plain mutex, so that race checkers see the hand-over
    std::atomic<bool> processEnabled_{true};
    int startIndex_ = 0;
    bool engineOpen_ = false;
    QTimer* poolTimer_ = nullptr;
    QTimer* calcTimer_ = nullptr;
    bool holdWrites_ = false;
    QVector<PendingWrite> heldWrites_;
    quint32 softwareTarget_ = 0;
};
