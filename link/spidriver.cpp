#include "link/spidriver.h"

#include <QThread>
#include <QTimer>
#include <QtDebug>

#include "link/linkclock.h"
#include "log/log_event.h"

namespace {

constexpr int kLogHeaderSize = 15;
constexpr int kRecordSize = LogEvent::kRecordSize;
constexpr int kJournalSlots = LogEvent::kPages * LogEvent::kSlotsPerPage;

// The link command that reads each phase of the synchronisation; it is also the update's cmd.
const quint8 kSyncCommands[] = {LinkCodec::CmdReadValues, LinkCodec::CmdReadMin, LinkCodec::CmdReadMax,
                                LinkCodec::CmdReadPhysic};
constexpr int kSyncPhases = 4;

quint32 le32(const QByteArray& in, int pos)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<quint32>(static_cast<quint8>(in.at(pos + i))) << (8 * i);
    return v;
}

} // namespace

SpiDriver::SpiDriver(LinkTransport* transport, LogEvent* logEvent, QObject* parent)
    : QObject(parent), transport_(transport), logEvent_(logEvent)
{
}

SpiDriver::~SpiDriver()
{
    if (transport_ && opened_)
        transport_->close();
}

void SpiDriver::setDebug(bool on) { debug_ = on; }
void SpiDriver::setClock(std::shared_ptr<LinkClock> clock) { clock_ = std::move(clock); }
void SpiDriver::setParameterIds(const QVector<quint16>& ids) { ids_ = ids; }

SpiDriver::Stats SpiDriver::stats() const
{
    Stats s;
    s.frames = frames_.load();
    s.timeouts = timeouts_.load();
    s.crcErrors = crcErrors_.load();
    s.retries = retries_.load();
    s.restarts = restarts_.load();
    s.refusedWrites = refusedWrites_.load();
    s.linkDowns = linkDowns_.load();
    s.busyMicros = busyMicros_.load();
    return s;
}

void SpiDriver::process()
{
    if (logEvent_) {
        connect(this, &SpiDriver::signalStart, logEvent_, &LogEvent::syncAllEvent);
        connect(this, &SpiDriver::signalControllerRestarted, logEvent_, &LogEvent::syncAllEvent);
        connect(this, &SpiDriver::signalNewEvent, logEvent_, &LogEvent::slotNewEvent);
        connect(logEvent_, &LogEvent::signalEventRead, this, &SpiDriver::slotEventRead);
        expectJournal_ = true;
    }
    if (!transport_) {
        qCritical() << "[E] spi: no transport";
        return;
    }
    QString error;
    opened_ = transport_->open(&error);
    if (!opened_)
        qCritical().noquote() << "[E] spi: cannot open the link:" << error;

    realClock_.start();
    if (clock_) {
        nextPollMs_ = clock_->nowMs() + kPollMs;
        connect(clock_.get(), &LinkClock::signalAdvanced, this, &SpiDriver::slotClockAdvanced);
    } else {
        timer_ = new QTimer(this);
        timer_->setTimerType(Qt::PreciseTimer);
        connect(timer_, &QTimer::timeout, this, &SpiDriver::slotTick);
        // The timer belongs to this thread; stop it here before the thread ends.
        if (QThread* t = thread())
            connect(t, &QThread::finished, timer_, &QTimer::stop, Qt::DirectConnection);
        timer_->start(kPollMs);
    }
    statsSince_ = nowMs();

    startSync();
    emit signalStart();
    if (clock_)
        slotClockAdvanced();
}

qint64 SpiDriver::nowMs() const
{
    return clock_ ? clock_->nowMs() : realClock_.elapsed();
}

void SpiDriver::setPollInterval(int ms)
{
    pollIntervalMs_ = ms;
    if (timer_)
        timer_->setInterval(ms);
}

void SpiDriver::slotClockAdvanced()
{
    if (!duePollPosted_)
        runDuePoll();
}

// One poll per pass of the event loop, as with the timer: requests queued meanwhile go with the next poll.
void SpiDriver::runDuePoll()
{
    duePollPosted_ = false;
    if (stop_.load())
        return;
    const qint64 target = clock_->targetMs();
    if (nextPollMs_ > target) {
        clock_->ranTo(target);
        return;
    }
    const qint64 at = nextPollMs_;
    clock_->runningAt(at);
    slotTick();
    nextPollMs_ = at + pollIntervalMs_;
    duePollPosted_ = true;
    QMetaObject::invokeMethod(this, &SpiDriver::runDuePoll, Qt::QueuedConnection);
}

void SpiDriver::startSync()
{
    syncing_ = true;
    syncPhase_ = 0;
    syncPos_ = 0;
    syncDone_ = 0;
    journalRequested_ = false;
    journalDone_ = 0;
    if (debug_)
        qDebug().noquote() << QStringLiteral("[I] spi: synchronising %1 parameters").arg(ids_.size());
}

void SpiDriver::slotParamWrite(quint16 id, quint32 value, int eventType)
{
    writes_.enqueue({id, value, eventType});
}

void SpiDriver::slotEventRead(quint32 addr)
{
    eventAddrs_.enqueue(addr);
    if (syncing_)
        journalRequested_ = true;
}

void SpiDriver::slotScadaSoftwareWrite(const QByteArray& data)
{
    softwareBlocks_.enqueue(data);
    ++swQueued_;
}

void SpiDriver::slotSpiRequestLogCompressRN(QByteArray headerPkt)
{
    if (headerPkt.size() != kLogHeaderSize) {
        qWarning() << "[E] spi: log header of" << headerPkt.size() << "bytes ignored";
        return;
    }
    logRN_.enqueue(headerPkt);
}

void SpiDriver::slotSpiRequestLogCompress(QByteArray headerPkt)
{
    if (headerPkt.size() != kLogHeaderSize) {
        qWarning() << "[E] spi: log header of" << headerPkt.size() << "bytes ignored";
        return;
    }
    logPlain_.enqueue(headerPkt);
}

SpiDriver::Transaction SpiDriver::nextTransaction()
{
    Transaction t;
    LinkFrame& f = t.request;
    if (!writes_.isEmpty()) {
        const Write w = writes_.dequeue();
        t.task = Task::Write;
        f.cmd = LinkCodec::CmdWriteValue;
        LinkCodec::putU16(&f.payload, w.id);
        LinkCodec::putU32(&f.payload, w.value);
        f.payload.append(static_cast<char>(qBound(0, w.eventType, 255)));
    } else if (needChanged_) {
        t.task = Task::Changed;
        f.cmd = LinkCodec::CmdReadChanged;
    } else if (needNewEvents_) {
        t.task = Task::NewEvents;
        f.cmd = LinkCodec::CmdReadNewEvents;
    } else if (!softwareBlocks_.isEmpty()) {
        t.task = Task::Software;
        f.cmd = LinkCodec::CmdSoftwareWrite;
        f.payload = softwareBlocks_.dequeue();
        ++swTaken_;
    } else if (!logRN_.isEmpty() || !logPlain_.isEmpty()) {
        const bool rn = !logRN_.isEmpty();
        t.task = rn ? Task::LogRN : Task::LogPlain;
        f.cmd = LinkCodec::CmdReadLog;
        f.payload = rn ? logRN_.dequeue() : logPlain_.dequeue();
    } else if (syncing_ && syncPhase_ < kSyncPhases) {
        t.task = Task::Sync;
        f.cmd = kSyncCommands[syncPhase_];
        t.syncCount = qMin(kSyncBatch, ids_.size() - syncPos_);
        for (int i = 0; i < t.syncCount; ++i)
            LinkCodec::putU16(&f.payload, ids_.at(syncPos_ + i));
    } else if (!eventAddrs_.isEmpty()) {
        t.task = Task::Events;
        f.cmd = LinkCodec::CmdReadEvents;
        while (!eventAddrs_.isEmpty() && t.eventCount < kEventBatch) {
            LinkCodec::putU32(&f.payload, eventAddrs_.dequeue());
            ++t.eventCount;
        }
    } else {
        t.task = Task::Status;
        f.cmd = LinkCodec::CmdStatus;
    }
    return t;
}

void SpiDriver::slotTick()
{
    if (stop_.load()) {
        if (timer_)
            timer_->stop();
        return;
    }
    QElapsedTimer busy;
    busy.start();
    if (!opened_) {
        QString error;
        opened_ = transport_->open(&error);
        if (!opened_) {
            onFailure("link not open");
            return;
        }
    }
    if (pending_) {
        ++retries_;
    } else {
        current_ = nextTransaction();
        current_.request.seq = ++seq_;
        pending_ = true;
    }

    QByteArray rx;
    LinkFrame reply;
    if (!transport_->exchange(LinkCodec::encodeRequest(current_.request), &rx, kReplyTimeoutMs)) {
        ++timeouts_;
        onFailure("no reply");
    } else if (LinkCodec::decodeReply(rx, &reply) != LinkCodec::DecodeOk) {
        ++crcErrors_;
        onFailure("corrupted reply");
    } else if (reply.result == LinkCodec::ResBadCrc || reply.result == LinkCodec::ResBusy) {
        // The request arrived damaged or the controller cannot take it now: send it again.
        onFailure(reply.result == LinkCodec::ResBusy ? "controller busy" : "request corrupted on the way");
    } else if (reply.seq != current_.request.seq || reply.cmd != current_.request.cmd) {
        ++crcErrors_;
        onFailure("reply out of step");
    } else {
        pending_ = false;
        ++frames_;
        onSuccess();
        handleReply(current_, reply);
        needChanged_ = (reply.status & LinkCodec::StatusChanged) != 0;
        needNewEvents_ = (reply.status & LinkCodec::StatusNewEvents) != 0;
        if (reply.status & LinkCodec::StatusRestarted) {
            ++restarts_;
            qWarning() << "[E] spi: the main controller has restarted; synchronising again";
            startSync();
            emit signalControllerRestarted();
        }
        checkSyncFinished();
    }
    busyMicros_ += static_cast<quint64>(busy.nsecsElapsed() / 1000);
    if (debug_ && nowMs() - statsSince_ >= 60000)
        printStats();
}

void SpiDriver::handleReply(const Transaction& t, const LinkFrame& reply)
{
    if (reply.result == LinkCodec::ResUnknownCmd || reply.result == LinkCodec::ResBadLength) {
        qWarning().noquote() << QStringLiteral("[E] spi: command %1 refused by the controller (result %2)")
                                    .arg(t.request.cmd).arg(reply.result);
    }
    switch (t.task) {
    case Task::Status:
        break;
    case Task::Write: {
        const quint16 id = LinkCodec::getU16(t.request.payload, 0);
        const quint8 result = reply.payload.size() >= 3 ? static_cast<quint8>(reply.payload.at(2)) : reply.result;
        if (result != LinkCodec::ResOk) {
            ++refusedWrites_;
            qWarning().noquote() << QStringLiteral("[E] spi: write of parameter %1 refused (result %2)").arg(id).arg(result);
            emit signalParamWriteRefused(id);
        }
        break;
    }
    case Task::Changed:
        handleValues(reply, LinkCodec::CmdReadChanged);
        break;
    case Task::NewEvents:
    case Task::Events: {
        const int records = reply.payload.size() / kRecordSize;
        if (reply.payload.size() % kRecordSize != 0 || (t.task == Task::Events && records != t.eventCount))
            qWarning() << "[E] spi: event reply of" << reply.payload.size() << "bytes";
        for (int i = 0; i < records && !stop_.load(); ++i)
            emit signalNewEvent(reply.payload.mid(i * kRecordSize, kRecordSize));
        if (t.task == Task::Events && syncing_) {
            journalDone_ += t.eventCount;
            emit signalSyncProgress(syncDone_ + qMin(journalDone_, kJournalSlots),
                                    ids_.size() * kSyncPhases + (expectJournal_ ? kJournalSlots : 0));
        }
        break;
    }
    case Task::Software:
        if (reply.result == LinkCodec::ResOk) {
            ++swAccepted_;
        } else {
            ++swRefused_;
            qWarning() << "[E] spi: software block refused, result" << reply.result;
        }
        break;
    case Task::LogRN:
    case Task::LogPlain:
        handleLog(t, reply);
        break;
    case Task::Sync:
        if (reply.result == LinkCodec::ResUnknownId)
            qWarning() << "[E] spi: the controller does not know some of the parameters read";
        handleValues(reply, t.request.cmd);
        syncPos_ += t.syncCount;
        syncDone_ += t.syncCount;
        if (syncPos_ >= ids_.size()) {
            ++syncPhase_;
            syncPos_ = 0;
        }
        emit signalSyncProgress(syncDone_, ids_.size() * kSyncPhases + (expectJournal_ ? kJournalSlots : 0));
        break;
    }
}

void SpiDriver::handleValues(const LinkFrame& reply, quint8 cmd)
{
    const QByteArray& p = reply.payload;
    if (p.size() % 6 != 0)
        qWarning() << "[E] spi: value reply of" << p.size() << "bytes";
    for (int pos = 0; pos + 6 <= p.size() && !stop_.load(); pos += 6)
        emit signalParamUpdate(LinkCodec::getU16(p, pos), LinkCodec::getU32(p, pos + 2), cmd);
}

void SpiDriver::handleLog(const Transaction& t, const LinkFrame& reply)
{
    const QByteArray& p = reply.payload;
    if (reply.result != LinkCodec::ResOk || p.size() < kLogHeaderSize
        || static_cast<quint32>(p.size() - kLogHeaderSize) != le32(p, 11)) {
        qWarning() << "[E] spi: malformed compressed-log reply of" << p.size() << "bytes";
        return;
    }
    const QByteArray header = p.left(kLogHeaderSize);
    const QByteArray data = p.mid(kLogHeaderSize);
    if (t.task == Task::LogRN)
        emit signalSpiResiveLogCompressRN(header, data);
    else
        emit signalSpiResiveLogCompress(header, data);
}

void SpiDriver::checkSyncFinished()
{
    if (!syncing_ || syncPhase_ < kSyncPhases)
        return;
    if (expectJournal_ && (!journalRequested_ || !eventAddrs_.isEmpty()))
        return;
    syncing_ = false;
    const int total = ids_.size() * kSyncPhases + (expectJournal_ ? kJournalSlots : 0);
    emit signalSyncProgress(total, total);
    if (debug_)
        qDebug().noquote() << QStringLiteral("[I] spi: synchronised after %1 frames").arg(frames_.load());
    emit signalSyncFinished();
}

void SpiDriver::onFailure(const char* what)
{
    ++failures_;
    if (debug_)
        qWarning().noquote() << QStringLiteral("[E] spi: %1 (command %2, sequence %3)")
                                    .arg(QLatin1String(what)).arg(current_.request.cmd).arg(current_.request.seq);
    if (failures_ >= kFailuresLinkDown && linkState_ != 0) {
        linkState_ = 0;
        linkUp_ = false;
        ++linkDowns_;
        qWarning() << "[E] spi: link to the main controller lost";
        setPollInterval(kPollFailedMs);
        emit signalLinkState(false);
    }
}

void SpiDriver::onSuccess()
{
    failures_ = 0;
    if (linkState_ == 1)
        return;
    if (linkState_ == 0)
        qDebug() << "[I] spi: link to the main controller restored";
    linkState_ = 1;
    linkUp_ = true;
    setPollInterval(kPollMs);
    emit signalLinkState(true);
}

void SpiDriver::printStats()
{
    const Stats s = stats();
    const quint64 frames = s.frames - lastPrinted_.frames;
    qDebug().noquote() << QStringLiteral("[I] spi: last minute: %1 frames, %2 lost replies, %3 corrupted, %4 retries, "
                                         "%5 restarts, %6 us per frame")
                              .arg(frames).arg(s.timeouts - lastPrinted_.timeouts)
                              .arg(s.crcErrors - lastPrinted_.crcErrors).arg(s.retries - lastPrinted_.retries)
                              .arg(s.restarts - lastPrinted_.restarts)
                              .arg(frames ? (s.busyMicros - lastPrinted_.busyMicros) / frames : 0);
    if (s.crcErrors != lastPrinted_.crcErrors || s.timeouts != lastPrinted_.timeouts)
        qWarning().noquote() << QStringLiteral("[E] spi: %1 failed exchanges in the last minute")
                                    .arg((s.crcErrors - lastPrinted_.crcErrors) + (s.timeouts - lastPrinted_.timeouts));
    lastPrinted_ = s;
    statsSince_ = nowMs();
}
