#pragma once

#include "scada/scada.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QVector>

#include <atomic>

class QTimer;

// Register map of the stack tests (profile 200): an in-memory register array and recorders.
// Registers 990..992 misbehave on purpose: busy, an unknown error code, a slow read.
class ScadaTestMap : public Scada
{
    Q_OBJECT
public:
    static constexpr int kRegisters = 1000;
    static constexpr int kProfile = 200;
    static constexpr uint16_t kBusyRegister = 990;
    static constexpr uint16_t kFailingRegister = 991;
    static constexpr uint16_t kSlowRegister = 992;

    struct Call {
        QByteArray name;
        quint32 address = 0;
        quint32 count = 0;
        QByteArray data;
    };

    ScadaTestMap();

    // Test side, any thread.
    void setPaused(bool paused) { paused_.store(paused); }
    QList<Call> takeCalls();
    uint16_t reg(int index);
    void setReg(int index, uint16_t value);
    // Register i holds i again.
    void resetRegs();
    static ScadaTestMap* current();

public slots:
    void process() override;
    eMBErrorCode readReg(uint8_t* buffer, uint16_t address, uint16_t numRegs) override;
    eMBErrorCode writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs) override;
    eMBErrorCode writeCoils(uint8_t* buffer, uint16_t address, uint16_t numCoils) override;
    eMBErrorCode readInfo(uint8_t* buffer, uint16_t address, uint16_t* len) override;
    eMBErrorCode commandLog(uint8_t* buffer, uint16_t command, uint16_t* len) override;
    eMBErrorCode readLog(uint8_t* buffer, uint32_t address, uint16_t len) override;
    eMBErrorCode readFileRecord(uint8_t* buffer, uint32_t address, uint16_t len) override;
    int slotSoftwareWrite(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                          uint8_t* usRecordData) override;

private slots:
    void poll();

private:
    void record(const char* name, quint32 address, quint32 count, const uint8_t* data = nullptr, int size = 0);

    QMutex lock_;
    QVector<uint16_t> regs_;
    QList<Call> calls_;
    std::atomic<bool> paused_{false};
    QTimer* pollTimer_ = nullptr;
    int pollMs_ = 20;
    int pollSteps_ = 1;
};

// Starts the application's SCADA thread with the test map on `port` (0: a free one); returns the port,
// 0 on failure. RVK_TEST_POLL_MS sets the poll period (20 ms), RVK_TEST_POLL_STEPS the engine steps per poll (1).
quint16 startScadaTestServer(quint16 port = 0);
