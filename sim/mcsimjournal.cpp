#include "sim/mcsimjournal.h"

#include <QVector>

#include <cstring>
#include "texts/common.h"

namespace {

void putLe32(char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct Sample {
    quint8 code;
    quint16 id;
    quint32 value1;
    quint32 value2;
};

Sample values(quint8 code, quint16 id, float v1, float v2)
{
    return {code, id, Common::floatBits(v1), Common::floatBits(v2)};
}

// Up to 8 characters as a name event carries them: the first character in the most significant byte.
Sample name(quint16 id, const char* text)
{
    char bytes[8] = {};
    std::strncpy(bytes, text, sizeof bytes);
    quint32 v[2] = {0, 0};
    for (int i = 0; i < 8; ++i)
        v[i / 4] |= static_cast<quint32>(static_cast<quint8>(bytes[i])) << (24 - 8 * (i % 4));
    return {McSimJournal::CodeParamChanged, id, v[0], v[1]};
}

const QVector<Sample>& samples()
{
    using J = McSimJournal;
    static const QVector<Sample> kSamples = {
        values(J::CodeStationEvent, J::kPowerOn, 0, 0),
        values(J::CodeStationEvent, 25064, 0, 3),               // downhole sensors connected, type
        values(J::CodeStationEvent, 25066, 0, 1),               // drive connected, type
        values(J::CodeLink, 703, 0, 1),                         // downhole sensor link restored
        values(J::CodeStart, 1, 0, 0),                          // operator
        values(J::CodeSettingChanged, 43, 0, 2),                // protection action
        values(J::CodeSettingChanged, 50, 110, 115),            // setpoint, %
        values(J::CodeSettingChanged, 215, 3.0f, 2.5f),         // pressure, MPa
        values(J::CodeSettingChanged, 1105, 1000, 1003),        // analog input unit: quantity * 1000 + unit
        {J::CodeSettingChanged, 562, 1700000000u, 1700003600u},  // date and time, in whole seconds
        values(J::CodeVsdWarning, 1, 0, 0),
        values(J::CodeStationEvent, 25006, 121, 115),           // overvoltage trip: measured, setpoint
        values(J::CodeStop, 6, 0, 0),
        values(J::CodeStationEvent, 25007, 0, 0),               // restart
        values(J::CodeStart, 3, 0, 0),
        values(J::CodeStationEvent, 25044, 2.1f, 2.5f),         // intake pressure below its setpoint
        values(J::CodeStationEvent, 25080, 1, 0),               // digital input 1, input type
        values(J::CodeStationEvent, 25052, 0, 0),               // door
        values(J::CodeStationEvent, 25008, 0, 0),               // start prohibited
        values(J::CodeStationEvent, 25009, 0, 0),               // block
        values(J::CodeStationEvent, 23233, 0, 0),               // block of digital input 8
        values(J::CodeStationEvent, 25233, 1, 0),               // phase sequence
        values(J::CodeVsdAlarm, 1, 0, 0),
        values(J::CodeVsdAlarm, 999, 0, 0),                     // a code without a text
        values(J::CodeVsdWarning, 999, 0, 0),
        values(J::CodeLink, 703, 0, 0),                         // downhole sensor link lost
        values(J::CodeStationEvent, 25169, 0, 0),               // intake pressure sensor fault
        values(J::CodeStationEvent, 25096, 3.5f, 4.0f),         // analog input 1 below its minimum
        values(J::CodeStationEvent, 25119, 6, 5),               // starts above the limit
        values(J::CodeStationEvent, 25141, 0, 1.2345f),         // adaptation, resistance found
        values(J::CodeStationEvent, 25158, 50, 200),            // start mode: setting 50 wrong
        values(J::CodeStationEvent, 25198, 0, 2),               // settings saved to profile 2
        values(J::CodeStationEvent, 25272, 215, 1.5f),
        values(J::CodeStationEvent, 25279, 0, 0),
        {J::CodeParamChanged, 885, 7, 123},                     // controller number in raw digits
        values(J::CodeParamChanged, 867, 192168, 1001),         // IP address 192.168.1.1
        name(2126, "PUMP-1"),                                   // name of input 1
        values(J::CodeStop, 1, 0, 0),
        values(J::CodeLink, 702, 0, 0),                         // drive link lost
        values(J::CodeLink, 702, 0, 1),
        values(J::CodeStationEvent, 25003, 0, 0),               // power off
    };
    return kSamples;
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
    for (int i = 0; i < count; ++i) {
        time_ = now - static_cast<quint32>((count - i) * 60);
        appendSample();
    }
    time_ = now;
    unreported_.clear();
}

quint32 McSimJournal::appendSample()
{
    const Sample& s = samples().at(sample_);
    sample_ = (sample_ + 1) % samples().size();
    return append(s.code, s.id, s.value1, s.value2);
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
