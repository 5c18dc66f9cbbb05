#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

#include "link/linkcodec.h"
#include "sim/mcsimjournal.h"

// The simulated main controller. Answers link frames synchronously (inside the transport's exchange),
// keeps the parameters with their limits, a small plant model, the event journal, the archive commands,
// the compressed log and the software blocks. Every public member is thread-safe.
class McSimCore
{
public:
    // One row of the catalogue the controller is seeded from.
    struct ParamSeed {
        quint16 id = 0;
        quint8 operation = 2;   // 1 read-only, 2 writable, 3 writable only while stopped
        quint8 physic = 0;
        quint16 discret = 1;
        float min = 0.0f;
        float max = 0.0f;
        float def = 0.0f;
        quint8 vtype = 0;       // 0 float, 1 unsigned 32-bit
        quint8 kind = 0;        // 0 setting, 1 measurement, 2 command, 3 counter

        static ParamSeed make(quint16 id, quint8 operation, float min, float max, float def, quint8 kind = 0,
                              quint8 vtype = 0)
        {
            ParamSeed s;
            s.id = id;
            s.operation = operation;
            s.min = min;
            s.max = max;
            s.def = def;
            s.kind = kind;
            s.vtype = vtype;
            return s;
        }
    };

    McSimCore();

    void seed(const QVector<ParamSeed>& catalogue);
    // Initial values as "id=value;id=value"; false (and nothing applied) on a malformed list. Each value
    // holds against the plant model until something else sets the parameter: a write over the link (the
    // panel's or SCADA's), a command acting on it, or setValue()/setRaw().
    bool applyValues(const QString& list, QString* error = nullptr);
    // Milliseconds of a monotonic clock; the default is the elapsed time since construction.
    void setClock(std::function<qint64()> msecs);

    // One request on the wire; an empty result is a lost reply.
    QByteArray exchange(const QByteArray& request);

    // Inspection and control for tests and demos.
    bool contains(quint16 id) const;
    float value(quint16 id) const;
    quint32 raw(quint16 id) const;
    void setValue(quint16 id, float value);   // as the controller itself would: reported as changed
    void setRaw(quint16 id, quint32 raw);
    // Limits and code change silently: only a read of them (a synchronisation) shows them.
    void setLimits(quint16 id, float min, float max, quint8 physic);
    bool limits(quint16 id, float* min, float* max, quint8* physic) const;
    void addEvent(quint8 code, quint16 id, quint32 value1, quint32 value2);
    // The next n replies are lost / arrive corrupted (added to any still pending).
    void dropReplies(int n);
    void corruptReplies(int n);
    int pendingFaults() const;
    // The controller restarts: pending reports are lost and the next reply carries the restart bit.
    void restart();

    int parameterCount() const;
    quint32 lastEventSerial() const;
    int writesAccepted() const;
    int writesRefused() const;
    int requestsHandled() const;
    QByteArray compressedLog() const;
    QByteArray softwareFile(quint16 file) const;
    int softwareBlocks() const;

private:
    struct Param {
        quint32 raw = 0;
        float min = 0.0f;
        float max = 0.0f;
        quint8 physic = 0;
        quint8 operation = 2;
        quint8 vtype = 0;
        quint8 kind = 0;
        quint16 discret = 1;
        quint32 defRaw = 0;
    };

    // Long commands run by the clock.
    struct Operation {
        quint16 id = 0;
        qint64 start = 0;
        qint64 duration = 0;
    };

    LinkFrame handle(const LinkFrame& request);
    quint8 statusByte();
    quint8 write(quint16 id, quint32 raw, int eventType);
    void logSetting(quint16 id, quint32 oldRaw, quint32 newRaw);
    void command(quint16 id, int eventType);
    // A reset command: restores the defaults of its settings and returns to 0.
    void resetToDefaults(quint16 id, float value);
    void advance();
    bool pending(quint16 id) const;
    // Every setting of the drive back to its default, each change reported.
    void resetDriveSettings();
    void finishOperation(const Operation& op);
    void plantStep();
    void store(quint16 id, quint32 raw);
    void storeFloat(quint16 id, float value);
    void markChanged(quint16 id);
    // What the plant model sets: every parameter but the chosen ones.
    void plantStore(quint16 id, quint32 raw);
    float floatOf(quint16 id) const;
    quint32 toRaw(const Param& p, float value) const;
    bool running() const;
    void buildLog();

    mutable QMutex mutex_;
    QHash<quint16, Param> params_;
    QList<quint16> changedOrder_;
    QSet<quint16> changed_;
    QSet<quint16> chosen_;
    McSimJournal journal_;
    // Second halves of input names whose first half changed since the name was last logged.
    QSet<quint16> namesChanged_;
    QList<Operation> operations_;
    std::function<qint64()> clock_;
    qint64 lastStep_ = 0;
    quint32 epoch_ = 0;
    quint32 plantTicks_ = 0;
    quint32 sampledAt_ = 0;
    bool restarted_ = false;
    int dropReplies_ = 0;
    int corruptReplies_ = 0;
    // The last reply, sent again when a request is repeated after a lost or corrupted reply.
    bool haveLast_ = false;
    QByteArray lastRequestBody_;
    QByteArray lastReply_;
    int writesAccepted_ = 0;
    int writesRefused_ = 0;
    int requests_ = 0;
    QByteArray log_;
    quint32 logSeed_ = 0;
    QMap<quint16, QByteArray> softwareFiles_;
    int softwareBlocks_ = 0;
};
