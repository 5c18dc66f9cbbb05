#pragma once

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <atomic>
#include <memory>

#include "link/linktransport.h"

// The link to the main controller. Lives on its own low-priority thread.
class SpiDriver : public QObject
{
    Q_OBJECT
public:
    // Takes ownership of the transport.
    explicit SpiDriver(LinkTransport* transport, QObject* parent = nullptr);
    ~SpiDriver() override;

    void setDebug(bool on);
    // The ids read by the first full synchronisation.
    void setParameterIds(const QVector<quint16>& ids);

    // Software-write accounting, readable from any thread.
    quint32 softwareBlocksQueued() const { return swQueued_.load(); }
    quint32 softwareBlocksTaken() const { return swTaken_.load(); }
    quint32 softwareBlocksAccepted() const { return swAccepted_.load(); }
    quint32 softwareBlocksRefused() const { return swRefused_.load(); }

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
    void signalSyncProgress(int done, int total);
    void signalSyncFinished();
    void signalLinkState(bool up);
    void signalSpiResiveLogCompressRN(QByteArray headerPkt, QByteArray log);
    void signalSpiResiveLogCompress(QByteArray headerPkt, QByteArray log);

private:
    std::unique_ptr<LinkTransport> transport_;
    QVector<quint16> ids_;
    bool debug_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<quint32> swQueued_{0};
    std::atomic<quint32> swTaken_{0};
    std::atomic<quint32> swAccepted_{0};
    std::atomic<quint32> swRefused_{0};
};
