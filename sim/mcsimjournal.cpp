#include "sim/mcsimjournal.h"

#include <cstring>

namespace {

void putLe32(char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

quint32 floatBits(float f)
{
    quint32 u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

} // namespace

McSimJournal::McSimJournal()
    : image_(kImageSize, '\xFF')
{
}

quint32 McSimJournal::slotAddress(int slot)
{
    return static_cast<quint32>((slot / kSlotsPerPage) * kPageSize + (slot % kSlotsPerPage) * kRecordSize);
}

quint32 McSimJournal::append(quint8 code, quint16 id, quint32 value1, quint32 value2)
{
    ++serial_;
    if (serial_ == 0xFFFFFFFFu)
        serial_ = 1;  // all ones reads as an erased slot
    QByteArray record(kRecordSize, '\0');
    putLe32(record.data(), serial_);
    putLe32(record.data() + 4, time_);
    record[8] = static_cast<char>(code);
    record[10] = static_cast<char>(id & 0xFF);
    record[11] = static_cast<char>(id >> 8);
    putLe32(record.data() + 12, value1);
    putLe32(record.data() + 16, value2);
    std::memcpy(image_.data() + slotAddress(next_), record.constData(), kRecordSize);
    next_ = (next_ + 1) % kSlots;
    count_ = qMin(count_ + 1, kSlots);
    unreported_.append(record);
    while (unreported_.size() > kSlots)
        unreported_.removeFirst();
    return serial_;
}

void McSimJournal::prefill(int count)
{
    const quint32 now = time_;
    // A plausible history: starts and stops, setting changes and protection events.
    static const quint8 codes[] = {CodePowerOn, CodeSettingChanged, CodeStart, CodeProtection, CodeStop};
    for (int i = 0; i < count; ++i) {
        time_ = now - static_cast<quint32>((count - i) * 60);
        const quint8 code = codes[i % 5];
        switch (code) {
        case CodeSettingChanged:
            append(code, 578, floatBits(0.0f), floatBits(static_cast<float>(i % 12)));
            break;
        case CodeProtection:
            append(code, static_cast<quint16>(25002 + i % 350), floatBits(static_cast<float>(i % 100)), 0);
            break;
        default:
            append(code, 1, 0, 0);
            break;
        }
    }
    time_ = now;
    unreported_.clear();
}

void McSimJournal::erase()
{
    image_.fill('\xFF');
    next_ = 0;
    count_ = 0;
    unreported_.clear();
}

QByteArray McSimJournal::read(quint32 addr) const
{
    if (addr > static_cast<quint32>(kImageSize - kRecordSize))
        return QByteArray(kRecordSize, '\xFF');
    return image_.mid(static_cast<int>(addr), kRecordSize);
}

QList<QByteArray> McSimJournal::takeUnreported(int max)
{
    QList<QByteArray> out;
    while (!unreported_.isEmpty() && out.size() < max)
        out.append(unreported_.takeFirst());
    return out;
}
