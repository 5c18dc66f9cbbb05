#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>

// The event store: the newest journal records of the main controller, keyed by serial number.
class LogEvent : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRecordSize = 21;
    static constexpr int kMaxRecords = 512;
    static constexpr int kPages = 5;
    static constexpr int kPageSize = 4096;
    static constexpr int kSlotsPerPage = 195;

    explicit LogEvent(QObject* parent = nullptr);

    // A copy of the store (implicitly shared).
    QMap<unsigned int, QByteArray> events() const { return events_; }

    // Little-endian fields of a record; bytes beyond the end read as 0.
    static quint32 serialOf(const QByteArray& record);
    static quint32 timeOf(const QByteArray& record);
    static quint8 codeOf(const QByteArray& record);
    static quint16 idOf(const QByteArray& record);
    static quint32 value1Of(const QByteArray& record);
    static quint32 value2Of(const QByteArray& record);

signals:
    void signalEventRead(quint32 addr);
    void signalNewEvent(QByteArray eventLog);

public slots:
    void syncAllEvent();
    void slotNewEvent(QByteArray eventLog);

private:
    QMap<unsigned int, QByteArray> events_;
};
