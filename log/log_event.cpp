#include "log/log_event.h"

namespace {

quint32 readLe(const QByteArray& data, int offset, int size)
{
    quint32 v = 0;
    for (int i = 0; i < size; ++i) {
        const int pos = offset + i;
        const quint32 byte = pos < data.size() ? static_cast<quint8>(data.at(pos)) : 0u;
        v |= byte << (8 * i);
    }
    return v;
}

} // namespace

LogEvent::LogEvent(QObject* parent)
    : QObject(parent)
{
}

quint32 LogEvent::serialOf(const QByteArray& record) { return readLe(record, 0, 4); }
quint32 LogEvent::timeOf(const QByteArray& record) { return readLe(record, 4, 4); }
quint8 LogEvent::codeOf(const QByteArray& record) { return static_cast<quint8>(readLe(record, 8, 1)); }
quint16 LogEvent::idOf(const QByteArray& record) { return static_cast<quint16>(readLe(record, 10, 2)); }
quint32 LogEvent::value1Of(const QByteArray& record) { return readLe(record, 12, 4); }
quint32 LogEvent::value2Of(const QByteArray& record) { return readLe(record, 16, 4); }

void LogEvent::syncAllEvent()
{
    events_.clear();
    for (int page = 0; page < kPages; ++page)
        for (int slot = 0; slot < kSlotsPerPage; ++slot)
            emit signalEventRead(static_cast<quint32>(page * kPageSize + slot * kRecordSize));
}

void LogEvent::slotNewEvent(QByteArray eventLog)
{
    const quint8 code = codeOf(eventLog);
    if (code == 0 || code > 109)
        return;
    const quint32 serial = serialOf(eventLog);
    if (events_.contains(serial))
        return;
    events_.insert(serial, eventLog);
    if (events_.size() > kMaxRecords)
        events_.erase(events_.begin());
    emit signalNewEvent(eventLog);
}
