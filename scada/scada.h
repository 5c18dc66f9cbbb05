#pragma once

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

#include "scada/modbus/mb.h"
#include "scada/scadaloglimit.h"
#include "scada/scadaparameter.h"
#include "scada/scadarow.h"

class Parameters;
class ScadaClock;
class ScadaServer;
class SpiDriver;

// Base of every register map and the worker of the Modbus slave; lives on the SCADA thread.
//
// How a map declares its table: in scada/<map>_init_parameters.cpp, one constexpr array of ScadaRow, one
// line per line of the map's own table and in its order (scadarow.h shows the two ways to write a line;
// the map's defaults, if its table has any, are one constexpr ScadaRow beside the array), and
//     void ScadaXyz::initParameters() { fillTable(kRows); }
// fillTable counts and expands the lines itself. The shape test (tests/scada/tst_scadatables.cpp) takes
// one line per map: its row count and the addresses its table places out of order.
//
// A map reaches the parameter mirror through params() and the SPI driver through spiDriver(), both handed
// over by ScadaFactory::create.
class Scada : public QObject
{
    Q_OBJECT
public:
    // Hands out the SPI driver of the moment (it is replaced when the link restarts); null without a link.
    using SpiFunnel = std::function<SpiDriver*()>;

    Scada();
    ~Scada() override;

    // Call before the map moves to its thread (on the mirror's thread).
    void attach(Parameters* params, SpiFunnel spi = SpiFunnel());
    Parameters* params() const { return params_; }
    // Tests and tools drive the worker's time; call before process() or on the map's thread.
    void setClock(ScadaClock* clock);
    ScadaClock* clock() const { return clock_; }
    // False until the mirror has ended its first synchronisation: the register callbacks answer busy.
    bool isMirrorReady() const { return mirrorReady_.load(); }

    // The map that the engine's register callbacks serve: the last one bound (process() binds its map
    // before it opens the engine), until it closes the engine or is deleted.
    static Scada* engineMap();

    static int sizeDataFromTypeData(unsigned char dataType);
    int getIndexAtAddress(int address, unsigned char dataType) const;
    // initParameters() and the start index behind the coil rows; process() runs it first.
    void buildTable();

    int rowCount() const { return countParameters_; }
    const ScadaParameter* rows() const { return parameters_; }
    int startIndex() const { return startIndex_; }
    bool isProcessEnabled() const { return processEnabled_.load(); }
    // The Modbus TCP server of this map (a child of the object).
    ScadaServer* server() const { return server_; }

    // How long a register callback waits for the main controller.
    static constexpr int kWaitControllerMs = 5000;
    // How long a written row keeps the written value when the controller neither reports nor refuses it.
    static constexpr int kWriteHoldMs = 2000;
    // Writes awaited at most; beyond, the oldest is given up (a master writing faster than the link carries).
    static constexpr int kMaxWritesInFlight = 1024;
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
    // A report of the controller stored by the mirror (cmd 7, 8 and 15 carry limits and the quantity).
    void slotParamUpdated(quint16 id, quint8 cmd);
    // The controller refused a write of `id`.
    void slotParamWriteRefused(quint16 id);

protected:
    // Every register map fills its table and computes its computed rows; the stack's
    // test map serves registers of its own and keeps these empty.
    virtual void initParameters() {}
    virtual void calcParams() {}

    // The one table builder: the map's lines with their runs expanded, values 0. A second array of lines
    // (for a table that lists some of its rows apart, such as an address list of reserved rows) is
    // merged into the first by address, behind the coil rows of both.
    template <size_t N>
    void fillTable(const ScadaRow (&lines)[N])
    {
        fillLines(lines, N, nullptr, 0);
    }
    template <size_t N, size_t M>
    void fillTable(const ScadaRow (&lines)[N], const ScadaRow (&merged)[M])
    {
        fillLines(lines, N, merged, M);
    }
    // Tables made at run time (test maps).
    void fillTable(const QVector<ScadaRow>& lines)
    {
        fillLines(lines.constData(), static_cast<size_t>(lines.size()), nullptr, 0);
    }

    // Binds the engine's register callbacks to this map (process() does it before opening the engine).
    void bindEngine();
    SpiDriver* spiDriver() const;
    // Parameter writes of setNewValue: held back while a multi-register write is checked,
    // so that a refused row sends nothing of the request.
    void setParameter(quint16 id, float value, int eventType);
    void setParameter(quint16 id, quint32 raw, int eventType);

    // Compressed-log slices. The request header: 0x00 0xFF 0xFF, then offset, count and count again
    // (32 bits each, little-endian); a reply header has the same layout, its data count in bytes 11-14.
    static QByteArray compressLogHeader(quint32 offset, quint32 count);
    // The receive buffers are shared with the SPI thread: these and the reply slots take one lock.
    void clearLogBuffers();
    // Takes the oldest whole reply (the offset its header gives, and its data) out of the receive
    // buffers; false when none has arrived.
    bool takeLogReply(quint32* offset, QByteArray* data);
    // Waits (polling, at most kWaitControllerMs) until `done` holds; false on time-out or when the map stops.
    bool waitForController(const std::function<bool()>& done);

    ScadaParameter* parameters_ = nullptr;
    ScadaParameter defaultParameter_;
    quint16 countParameters_ = 0;

    QByteArray headerBuffer_;
    QByteArray logBuffer_;

private slots:
    void closeEngine();
    void slotSyncFinished();

private:
    struct PendingWrite {
        quint16 id;
        quint32 raw;
        int eventType;
    };
    // A master's write of a mirrored row on its way to the controller: the row shows `value` until the
    // controller reports the parameter or refuses the write, or until `untilMs`.
    struct WriteInFlight {
        quint16 id;
        int row;
        float value;
        qint64 untilMs;
    };
    struct RefusalEcho {
        quint16 id;
        qint64 untilMs;
    };
    void fillLines(const ScadaRow* lines, size_t count, const ScadaRow* merged, size_t mergedCount);
    // Rows of one line, or -1 when its runs do not agree (a register run that does not fit its type, an id
    // run of another length); `out`, when given, receives them.
    int expandLine(const ScadaRow& line, ScadaParameter* out) const;
    int findIndex(int address, unsigned char dataType) const;
    // The row of a register that a master asks for; a miss is logged at most once a minute.
    int requestedIndex(int address);
    void copyMirrored(ScadaParameter& row) const;
    void keepWrittenValues();
    void endWriteInFlight(int at);
    bool encodeRow(const ScadaParameter& row, uint8_t* out, bool both) const;
    bool decodeRow(const ScadaParameter& row, const uint8_t* in, float* value) const;

    Parameters* params_ = nullptr;
    SpiFunnel spi_;
    ScadaClock* clock_ = nullptr;
    ScadaServer* server_ = nullptr;
    std::mutex logLock_;  // a plain mutex, so that race checkers see the hand-over
    std::atomic<bool> processEnabled_{true};
    std::atomic<bool> mirrorReady_{true};
    int startIndex_ = 0;
    bool engineOpen_ = false;
    bool holdWrites_ = false;
    QVector<PendingWrite> heldWrites_;
    QVector<WriteInFlight> inFlight_;  // in the order sent
    QVector<RefusalEcho> refusalEchoes_;
    ScadaLogLimit missLog_;
    quint32 softwareTarget_ = 0;
};
