#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QVector>

#include <atomic>
#include <memory>

#include "link/linkcodec.h"
#include "link/linktransport.h"

class LinkClock;
class LogEvent;
class QTimer;

// The link to the main controller. Lives on its own low-priority thread.
class SpiDriver : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPollMs = 15;
    static constexpr int kPollFailedMs = 100;
    static constexpr int kReplyTimeoutMs = 50;
    static constexpr int kFailuresLinkDown = 3;
    static constexpr int kSyncBatch = 160;
    static constexpr int kEventBatch = 10;

    // Counters of the link, readable from any thread.
    struct Stats {
        quint64 frames = 0;        // answered transactions
        quint64 timeouts = 0;      // lost replies
        quint64 crcErrors = 0;     // corrupted or malformed replies
        quint64 retries = 0;       // transactions sent again
        quint64 restarts = 0;      // controller restarts seen
        quint64 refusedWrites = 0;
        quint64 linkDowns = 0;
        quint64 busyMicros = 0;    // time spent in exchanges and in delivering their results
    };

    // Takes ownership of the transport. `logEvent` is the event store the driver fills (none: no journal).
    explicit SpiDriver(LinkTransport* transport, LogEvent* logEvent = nullptr, QObject* parent = nullptr);
    ~SpiDriver() override;

    void setDebug(bool on);
    // Before the thread starts: polls when a test moves `clock` on instead of on timers.
    void setClock(std::shared_ptr<LinkClock> clock);
    LinkClock* clock() const { return clock_.get(); }
    // The ids read by the first full synchronisation.
    void setParameterIds(const QVector<quint16>& ids);

    // Software-write accounting, readable from any thread.
    quint32 softwareBlocksQueued() const { return swQueued_.load(); }
    quint32 softwareBlocksTaken() const { return swTaken_.load(); }
    quint32 softwareBlocksAccepted() const { return swAccepted_.load(); }
    quint32 softwareBlocksRefused() const { return swRefused_.load(); }
    // For a sender on another thread that has handed over `handedOver` blocks in all since the driver
    // started: true once every one of them has reached the queue and been taken for sending.
    bool softwareWriteIdle(quint32 handedOver) const { return swTaken_.load() >= handedOver; }

    Stats stats() const;
    bool isLinkUp() const { return linkUp_.load(); }

    // Thread-safe: the driver sends nothing more once this is set.
    void requestStop() { stop_.store(true); }

public slots:
    // Thread entry.
    void process();
    void slotParamWrite(quint16 id, quint32 value, int eventType);
    void slotEventRead(quint32 addr);
    void slotScadaSoftwareWrite(const QByteArray& data);
    void slotSpiRequestLogCompressRN(QByteArray headerPkt);
    void slotSpiRequestLogCompress(QByteArray headerPkt);

signals:
    void signalStart();
    void signalNewEvent(QByteArray event);
    // One value (cmd 1/3), minimum (7), maximum (8) or physical-quantity code (15).
    void signalParamUpdate(quint16 id, quint32 raw, quint8 cmd);
    // The controller refused a write of `id` (its value stays as it was).
    void signalParamWriteRefused(quint16 id);
    void signalSyncProgress(int done, int total);
    void signalSyncFinished();
    void signalLinkState(bool up);
    void signalSpiResiveLogCompressRN(QByteArray headerPkt, QByteArray log);
    void signalSpiResiveLogCompress(QByteArray headerPkt, QByteArray log);
    // The controller has restarted: its journal must be read again.
    void signalControllerRestarted();

private slots:
    void slotTick();
    void slotClockAdvanced();
    void runDuePoll();

private:
    enum class Task { Status, Write, Changed, NewEvents, Software, LogRN, LogPlain, Events, Sync };

    struct Write {
        quint16 id;
        quint32 value;
        int eventType;
    };

    struct Transaction {
        Task task = Task::Status;
        LinkFrame request;
        int syncCount = 0;       // ids of a sync batch
        int eventCount = 0;      // addresses of an event read
    };

    void startSync();
    Transaction nextTransaction();
    void handleReply(const Transaction& t, const LinkFrame& reply);
    void handleValues(const LinkFrame& reply, quint8 cmd);
    void handleLog(const Transaction& t, const LinkFrame& reply);
    void onFailure(const char* what);
    void onSuccess();
    void checkSyncFinished();
    void printStats();
    void setPollInterval(int ms);
    qint64 nowMs() const;

    std::unique_ptr<LinkTransport> transport_;
    LogEvent* logEvent_ = nullptr;
    QTimer* timer_ = nullptr;
    std::shared_ptr<LinkClock> clock_;
    QElapsedTimer realClock_;
    int pollIntervalMs_ = kPollMs;
    qint64 nextPollMs_ = 0;
    bool duePollPosted_ = false;
    QVector<quint16> ids_;
    bool debug_ = false;
    bool opened_ = false;

    QQueue<Write> writes_;
    QQueue<quint32> eventAddrs_;
    QQueue<QByteArray> softwareBlocks_;
    QQueue<QByteArray> logRN_;
    QQueue<QByteArray> logPlain_;
    bool needChanged_ = false;
    bool needNewEvents_ = false;

    // The full synchronisation: values, minimums, maximums, codes; then the journal.
    bool syncing_ = false;
    int syncPhase_ = 0;
    int syncPos_ = 0;
    int syncDone_ = 0;
    bool expectJournal_ = false;
    bool journalRequested_ = false;
    int journalDone_ = 0;

    bool pending_ = false;
    Transaction current_;
    quint8 seq_ = 0;
    int failures_ = 0;
    int linkState_ = -1;  // unknown until the first answer or the first link-down

    qint64 statsSince_ = 0;
    Stats lastPrinted_;

    std::atomic<bool> stop_{false};
    std::atomic<bool> linkUp_{false};
    std::atomic<quint32> swQueued_{0};
    std::atomic<quint32> swTaken_{0};
    std::atomic<quint32> swAccepted_{0};
    std::atomic<quint32> swRefused_{0};
    std::atomic<quint64> frames_{0};
    std::atomic<quint64> timeouts_{0};
    std::atomic<quint64> crcErrors_{0};
    std::atomic<quint64> retries_{0};
    std::atomic<quint64> restarts_{0};
    std::atomic<quint64> refusedWrites_{0};
    std::atomic<quint64> linkDowns_{0};
    std::atomic<quint64> busyMicros_{0};
};
