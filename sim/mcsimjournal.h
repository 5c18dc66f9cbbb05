#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// The event journal of the simulated main controller: a ring of 975 slots of 21 bytes laid out in
// 5 pages of 4096 bytes (slot k of page p at p * 4096 + k * 21), serial numbers increasing.
// Every record is made by append(), so the kinds of events it holds are decided in one place.
class McSimJournal
{
public:
    static constexpr int kRecordSize = 21;
    static constexpr int kPages = 5;
    static constexpr int kPageSize = 4096;
    static constexpr int kSlotsPerPage = 195;
    static constexpr int kSlots = kPages * kSlotsPerPage;
    static constexpr int kImageSize = kPages * kPageSize;

    // Event codes the simulated controller writes.
    enum Code : quint8 {
        CodeStart = 1,
        CodeStop = 2,
        CodeSettingChanged = 13,
        CodeLink = 33,
        CodeStationEvent = 100,  // the id is an event identifier (25002...), which names the event
        CodeVsdAlarm = 104,
        CodeVsdWarning = 105,
        CodeParamChanged = 107,
    };
    static constexpr quint16 kPowerOn = 25002;

    McSimJournal();

    void setTime(quint32 secondsSinceEpoch) { time_ = secondsSinceEpoch; }
    // Writes one record into the next slot and queues it as not yet reported; returns its serial number.
    quint32 append(quint8 code, quint16 id, quint32 value1, quint32 value2);
    // Older history, already reported: `count` records ending `count` minutes before the current time.
    void prefill(int count);
    // The next of a fixed round of sample events that holds every kind of event the panel shows.
    quint32 appendSample();
    // Every slot erased (all 0xFF); serial numbers go on increasing.
    void erase();

    // The 21 bytes at journal byte address `addr`; 0xFF outside the journal.
    QByteArray read(quint32 addr) const;
    static quint32 slotAddress(int slot);

    bool hasUnreported() const { return !unreported_.isEmpty(); }
    QList<QByteArray> takeUnreported(int max);
    void markAllReported() { unreported_.clear(); }

    quint32 lastSerial() const { return serial_; }
    int recordCount() const { return count_; }

private:
    QByteArray image_;
    QList<QByteArray> unreported_;
    int next_ = 0;
    int sample_ = 0;
    int count_ = 0;
    quint32 serial_ = 0;
    quint32 time_ = 0;
};
