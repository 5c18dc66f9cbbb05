#include "sim/mcsimcore.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QStringList>
#include <QtDebug>

#include <cmath>
#include <cstring>
#include <memory>

#include "sim/mcsimresets.h"
#include "texts/common.h"

namespace {

// Parameters the controller itself drives.
constexpr quint16 kState = 13;          // 0 stopped, 2 running
constexpr quint16 kStartReason = 533;
constexpr quint16 kStopReason = 535;
constexpr quint16 kClock = 562;
constexpr quint16 kStop = 592;
constexpr quint16 kStart = 593;
constexpr quint16 kCopyArchives = 594;
constexpr quint16 kDeleteArchives = 595;
constexpr quint16 kDeleteServiceArchives = 596;
constexpr quint16 kBlock = 633;
constexpr quint16 kProgress = 724;
constexpr quint16 kProgressTotal = 725;
constexpr quint16 kUnblock = 774;
constexpr quint16 kLogCompress = 1181;
constexpr quint16 kLogStatus = 1182;
constexpr quint16 kLogSize = 1183;
// The drive and the controller's link to it.
constexpr quint16 kVsdType = 685;
constexpr quint16 kVsdApplyPort = 761;
constexpr quint16 kVsdResetDefaults = 772;
constexpr quint16 kVsdLinkQuality = 890;
constexpr quint16 kVsdRequests = 891;
constexpr quint16 kVsdAnswers = 892;
constexpr quint16 kVsdLastCounter = 896;   // 893-896: faulty, checksum, device errors, lost answers
constexpr quint16 kVsdResetCounters = 913;
constexpr quint16 kVsdFirst = 10000;       // the drive's own parameters
constexpr quint16 kVsdLast = 10558;
constexpr quint16 kVsdProxyControl = 10538;
constexpr float kVsdProxyReset = 2.0f;
constexpr float kVsdPollsPerSecond = 10.0f;
constexpr quint16 kDirectSync = 10504;
constexpr quint16 kTransition = 10505;
constexpr quint16 kTransitionState = 10507;  // 1 synchronised with the network

constexpr quint16 kAiQuantityFirst = 822;  // 822, 826, 830, 834
constexpr quint16 kAiUnitFirst = 1105;     // 1105 to 1108
// Names of the digital inputs, two parameters each.
constexpr quint16 kInputNameFirst = 2125;
constexpr quint16 kInputNameLast = 2140;
constexpr quint32 kSampleEventSeconds = 300;

constexpr quint32 kReasonOperator = 1;
constexpr quint32 kReasonTelecontrol = 28;
constexpr int kEventTypeScada = 3;
constexpr int kProgressSteps = 100;
constexpr int kMaxReadIds = 300;
constexpr int kMaxChanged = 60;
constexpr int kMaxNewEvents = 10;
constexpr int kMaxEventAddrs = 10;
constexpr int kMaxLogSlice = 1024;
constexpr int kLogHeaderSize = 15;

// Values of the running plant: id, value while the motor runs (0 when stopped).
struct RunningValue {
    quint16 id;
    float value;
};
const RunningValue kRunningValues[] = {
    {2, 24.0f}, {3, 24.5f}, {4, 23.8f},          // phase currents, A
    {7, 62.0f},                                  // load, %
    {709, 380.0f}, {710, 381.0f}, {711, 379.0f}, // line voltages, V
    {10001, 50.0f},                              // output frequency, Hz
};

// Commands that clear a group of counters: the command, the value that clears, the counters.
struct CounterReset {
    quint16 command;
    float value;
    QVector<quint16> counters;
};
const QVector<CounterReset>& counterResets()
{
    static const QVector<CounterReset> list{
        {912, 1.0f, {902, 903, 904, 905, 906, 907}},                     // downhole sensor link
        {998, 1.0f, {988, 989, 990, 991, 992, 993}},                     // electricity meter link
        {852, 3.0f, {20028, 20030, 20032, 20034, 20036, 20051, 20052}},  // consumed active energy
    };
    return list;
}

qint64 operationDuration(quint16 id)
{
    switch (id) {
    case kCopyArchives: return 5000;
    case kDeleteArchives: return 3000;
    case kDeleteServiceArchives: return 2000;
    case kLogCompress: return 2000;
    case kVsdApplyPort: return 2000;
    default: return 0;
    }
}

void putLe32(QByteArray* out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out->append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

quint32 getLe32(const QByteArray& in, int pos)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<quint32>(static_cast<quint8>(in.at(pos + i))) << (8 * i);
    return v;
}

} // namespace

McSimCore::McSimCore()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock_ = [timer] { return timer->elapsed(); };
    epoch_ = static_cast<quint32>(QDateTime::currentSecsSinceEpoch());
    journal_.setTime(epoch_);
    journal_.prefill(600);
}

void McSimCore::setClock(std::function<qint64()> msecs)
{
    QMutexLocker lock(&mutex_);
    clock_ = std::move(msecs);
    lastStep_ = clock_();
}

void McSimCore::seed(const QVector<ParamSeed>& catalogue)
{
    QMutexLocker lock(&mutex_);
    params_.clear();
    for (const ParamSeed& s : catalogue) {
        Param p;
        p.min = s.min;
        p.max = s.max;
        p.physic = s.physic;
        p.operation = s.operation;
        p.vtype = s.vtype;
        p.kind = s.kind;
        p.discret = s.discret ? s.discret : 1;
        p.raw = toRaw(p, s.def);
        p.defRaw = p.raw;
        params_.insert(s.id, p);
    }
    // The panel requests a compressed log and applies the drive's port settings by writing these, whatever the
    // catalogue says of them.
    for (quint16 id : {kLogCompress, kLogSize, kVsdApplyPort}) {
        auto it = params_.find(id);
        if (it != params_.end() && it->operation == 1)
            it->operation = 2;
    }
    if (params_.contains(kClock))
        store(kClock, epoch_);
    changed_.clear();
    changedOrder_.clear();
    chosen_.clear();
}

bool McSimCore::applyValues(const QString& list, QString* error)
{
    QVector<QPair<quint16, double>> values;
    const QStringList items = list.split(';', Qt::SkipEmptyParts);
    for (const QString& item : items) {
        const QStringList kv = item.split('=');
        bool okId = false;
        bool okValue = false;
        const uint id = kv.size() == 2 ? kv[0].trimmed().toUInt(&okId) : 0;
        const double value = kv.size() == 2 ? kv[1].trimmed().toDouble(&okValue) : 0.0;
        if (!okId || !okValue || id > 0xFFFF || !std::isfinite(value)) {
            if (error)
                *error = QStringLiteral("malformed item \"%1\" (expected id=value)").arg(item);
            return false;
        }
        values.append({static_cast<quint16>(id), value});
    }
    QMutexLocker lock(&mutex_);
    for (const auto& v : values) {
        if (!params_.contains(v.first)) {
            qWarning() << "McSimCore: no parameter" << v.first << "to preset";
            continue;
        }
        Param& p = params_[v.first];
        // Unsigned values (date-times) keep every digit; a float would round them.
        p.raw = p.vtype == 1 ? static_cast<quint32>(qBound(0.0, v.second, 4294967295.0))
                             : toRaw(p, static_cast<float>(v.second));
        chosen_.insert(v.first);
        if (v.first == kClock)
            epoch_ = static_cast<quint32>(qBound(0.0, v.second, 4294967295.0)) - plantTicks_;  // the journal's time too
    }
    return true;
}

quint32 McSimCore::toRaw(const Param& p, float value) const
{
    return p.vtype == 1 ? Common::toCode(value) : Common::floatBits(value);
}

float McSimCore::floatOf(quint16 id) const
{
    auto it = params_.constFind(id);
    if (it == params_.constEnd())
        return 0.0f;
    return it->vtype == 1 ? static_cast<float>(it->raw) : Common::bitsFloat(it->raw);
}

bool McSimCore::running() const
{
    const quint32 state = Common::toCode(floatOf(kState));
    return state == 2 || state == 3;
}

void McSimCore::store(quint16 id, quint32 raw)
{
    auto it = params_.find(id);
    if (it == params_.end())
        return;
    it->raw = raw;
    chosen_.remove(id);
    markChanged(id);
}

void McSimCore::markChanged(quint16 id)
{
    if (!changed_.contains(id)) {
        changed_.insert(id);
        changedOrder_.append(id);
    }
}

void McSimCore::plantStore(quint16 id, quint32 raw)
{
    auto it = params_.constFind(id);
    if (it != params_.constEnd() && it->raw != raw && !chosen_.contains(id))
        store(id, raw);
}

void McSimCore::storeFloat(quint16 id, float value)
{
    auto it = params_.find(id);
    if (it == params_.end())
        return;
    const quint32 raw = toRaw(*it, value);
    if (it->raw != raw)
        store(id, raw);
}

QByteArray McSimCore::exchange(const QByteArray& request)
{
    QMutexLocker lock(&mutex_);
    ++requests_;
    QByteArray body;
    QByteArray reply;
    if (LinkCodec::unstuff(request, &body) && haveLast_ && body == lastRequestBody_) {
        reply = lastReply_;  // a repeated request: its reply was lost on the way
    } else {
        LinkFrame in;
        const LinkCodec::DecodeError err = LinkCodec::decodeRequest(request, &in);
        if (err == LinkCodec::DecodeNoFrame)
            return QByteArray();
        LinkFrame out;
        if (err != LinkCodec::DecodeOk) {
            out.result = err == LinkCodec::DecodeBadCrc ? LinkCodec::ResBadCrc : LinkCodec::ResBadLength;
        } else {
            advance();
            out = handle(in);
            out.status = statusByte();
        }
        reply = LinkCodec::encodeReply(out);
        if (err == LinkCodec::DecodeOk) {
            haveLast_ = true;
            lastRequestBody_ = body;
            lastReply_ = reply;
        }
    }
    if (dropReplies_ > 0) {
        --dropReplies_;
        return QByteArray();
    }
    if (corruptReplies_ > 0) {
        --corruptReplies_;
        QByteArray replyBody;
        LinkCodec::unstuff(reply, &replyBody);
        replyBody[replyBody.size() - 1] = static_cast<char>(replyBody.at(replyBody.size() - 1) ^ 0x5A);
        return LinkCodec::stuff(replyBody);
    }
    return reply;
}

quint8 McSimCore::statusByte()
{
    quint8 status = 0;
    if (!changed_.isEmpty())
        status |= LinkCodec::StatusChanged;
    if (journal_.hasUnreported())
        status |= LinkCodec::StatusNewEvents;
    if (restarted_) {
        status |= LinkCodec::StatusRestarted;
        restarted_ = false;
    }
    return status;
}

LinkFrame McSimCore::handle(const LinkFrame& req)
{
    LinkFrame out;
    out.cmd = req.cmd;
    out.seq = req.seq;
    out.result = LinkCodec::ResOk;
    const QByteArray& in = req.payload;
    switch (req.cmd) {
    case LinkCodec::CmdStatus:
        break;
    case LinkCodec::CmdReadValues:
    case LinkCodec::CmdReadMin:
    case LinkCodec::CmdReadMax:
    case LinkCodec::CmdReadPhysic: {
        if (in.size() % 2 != 0 || in.size() / 2 > kMaxReadIds) {
            out.result = LinkCodec::ResBadLength;
            break;
        }
        for (int pos = 0; pos < in.size(); pos += 2) {
            const quint16 id = LinkCodec::getU16(in, pos);
            auto it = params_.constFind(id);
            if (it == params_.constEnd()) {
                out.result = LinkCodec::ResUnknownId;
                continue;
            }
            quint32 v = it->raw;
            if (req.cmd == LinkCodec::CmdReadMin)
                v = Common::floatBits(it->min);
            else if (req.cmd == LinkCodec::CmdReadMax)
                v = Common::floatBits(it->max);
            else if (req.cmd == LinkCodec::CmdReadPhysic)
                v = it->physic;
            LinkCodec::putU16(&out.payload, id);
            LinkCodec::putU32(&out.payload, v);
        }
        break;
    }
    case LinkCodec::CmdWriteValue:
        if (in.size() != 7) {
            out.result = LinkCodec::ResBadLength;
            break;
        }
        LinkCodec::putU16(&out.payload, LinkCodec::getU16(in, 0));
        out.payload.append(static_cast<char>(write(LinkCodec::getU16(in, 0), LinkCodec::getU32(in, 2),
                                                   static_cast<quint8>(in.at(6)))));
        break;
    case LinkCodec::CmdReadChanged:
        while (!changedOrder_.isEmpty() && out.payload.size() < kMaxChanged * 6) {
            const quint16 id = changedOrder_.takeFirst();
            changed_.remove(id);
            LinkCodec::putU16(&out.payload, id);
            LinkCodec::putU32(&out.payload, params_.value(id).raw);
        }
        break;
    case LinkCodec::CmdReadNewEvents:
        for (const QByteArray& record : journal_.takeUnreported(kMaxNewEvents))
            out.payload.append(record);
        break;
    case LinkCodec::CmdReadEvents:
        if (in.size() % 4 != 0 || in.size() / 4 > kMaxEventAddrs) {
            out.result = LinkCodec::ResBadLength;
            break;
        }
        for (int pos = 0; pos < in.size(); pos += 4)
            out.payload.append(journal_.read(LinkCodec::getU32(in, pos)));
        break;
    case LinkCodec::CmdSoftwareWrite: {
        const int n = in.size() >= 6 ? (static_cast<quint8>(in[4]) | (static_cast<quint8>(in[5]) << 8)) : -1;
        if (n < 0 || n != in.size() - 6) {
            out.result = LinkCodec::ResBadLength;
            break;
        }
        const quint16 file = static_cast<quint16>(static_cast<quint8>(in[0]) | (static_cast<quint8>(in[1]) << 8));
        softwareFiles_[file].append(in.mid(6));
        ++softwareBlocks_;
        break;
    }
    case LinkCodec::CmdReadLog: {
        if (in.size() != kLogHeaderSize) {
            out.result = LinkCodec::ResBadLength;
            break;
        }
        const quint32 offset = getLe32(in, 3);
        const quint32 count = getLe32(in, 7);
        const bool ready = Common::toCode(floatOf(kLogStatus)) == 2;
        const quint32 size = ready ? static_cast<quint32>(log_.size()) : 0;
        quint32 n = offset < size ? qMin(count, size - offset) : 0;
        n = qMin<quint32>(n, kMaxLogSlice);
        out.payload = in.left(3);
        putLe32(&out.payload, offset);
        putLe32(&out.payload, n);
        putLe32(&out.payload, n);
        out.payload.append(log_.mid(static_cast<int>(offset), static_cast<int>(n)));
        break;
    }
    default:
        out.result = LinkCodec::ResUnknownCmd;
        break;
    }
    return out;
}

quint8 McSimCore::write(quint16 id, quint32 raw, int eventType)
{
    auto it = params_.find(id);
    quint8 result = LinkCodec::ResOk;
    if (it == params_.end()) {
        result = LinkCodec::ResUnknownId;
    } else if (it->operation == 1) {
        result = LinkCodec::ResReadOnly;
    } else if (it->operation == 3 && running()) {
        result = LinkCodec::ResLockedRunning;
    } else {
        const double v = it->vtype == 1 ? static_cast<double>(raw) : static_cast<double>(Common::bitsFloat(raw));
        if (!Common::checkRange(v, it->min, it->max, it->discret))
            result = LinkCodec::ResOutOfRange;
    }
    if (result != LinkCodec::ResOk) {
        ++writesRefused_;
        // Reported anyway, so a row that showed the refused value reads the kept one again.
        if (it != params_.end())
            markChanged(id);
        return result;
    }
    ++writesAccepted_;
    if (id == kClock)
        epoch_ = raw - plantTicks_;  // the clock runs on from the time set
    const quint32 old = it->raw;
    const quint8 kind = it->kind;
    store(id, raw);
    // The second half of an input's name logs the whole name when either half changed.
    if (kind == 0 && (old != raw || namesChanged_.contains(id)))
        logSetting(id, old, raw);
    command(id, eventType);
    return result;
}

// A setting change as the journal holds it: both values as floats (date-times as seconds), except that the unit of an analog
// input goes with its measured quantity (quantity * 1000 + unit) and a name, kept in two parameters
// first letter lowest, goes as one name event of its second parameter, first letter highest. An input's name is
// logged whole with its second half, which the panel writes last; its first half logs a change without the name.
void McSimCore::logSetting(quint16 id, quint32 oldRaw, quint32 newRaw)
{
    const Param& p = params_[id];
    const auto asFloat = [&p](quint32 raw) { return p.vtype == 1 ? static_cast<float>(raw) : Common::bitsFloat(raw); };
    if (id >= kAiUnitFirst && id <= kAiUnitFirst + 3) {
        const float quantity = static_cast<float>(Common::toCode(floatOf(kAiQuantityFirst + 4 * (id - kAiUnitFirst))) & 0xFF);
        const auto packed = [&](quint32 raw) {
            return Common::floatBits(quantity * 1000.0f + static_cast<float>(Common::toCode(asFloat(raw)) & 0xFF));
        };
        journal_.append(McSimJournal::CodeSettingChanged, id, packed(oldRaw), packed(newRaw));
        return;
    }
    const bool shopName = id >= 1657 && id <= 1662;
    const bool inputName = id >= kInputNameFirst && id <= kInputNameLast;
    if (inputName && id % 2) {
        namesChanged_.insert(id + 1);
        journal_.append(McSimJournal::CodeParamChanged, id, oldRaw, newRaw);
        return;
    }
    if (shopName || inputName) {
        const quint16 second = id % 2 ? id + 1 : id;
        namesChanged_.remove(second);
        const quint32 halves[2] = {params_.value(second - 1).raw, params_.value(second).raw};
        quint32 values[2] = {0, 0};
        for (int i = 0; i < 8; ++i) {
            const quint32 byte = (halves[i / 4] >> (8 * (i % 4))) & 0xFF;
            values[i / 4] |= byte << (24 - 8 * (i % 4));
        }
        journal_.append(McSimJournal::CodeParamChanged, second, values[0], values[1]);
        return;
    }
    // Date-times go as unsigned seconds, whole; everything else as floats.
    const auto logged = [&p, &asFloat](quint32 raw) {
        return p.physic == 1 ? (p.vtype == 1 ? raw : Common::toCode(Common::bitsFloat(raw))) : Common::floatBits(asFloat(raw));
    };
    journal_.append(McSimJournal::CodeSettingChanged, id, logged(oldRaw), logged(newRaw));
}

void McSimCore::command(quint16 id, int eventType)
{
    const float value = floatOf(id);
    const bool on = value != 0.0f;
    const quint32 reason = eventType == kEventTypeScada ? kReasonTelecontrol : kReasonOperator;
    switch (id) {
    case kStart:
        if (on && !running() && floatOf(kBlock) == 0.0f) {
            storeFloat(kState, 2.0f);
            storeFloat(kStartReason, static_cast<float>(reason));
            journal_.append(McSimJournal::CodeStart, static_cast<quint16>(reason), 0, 0);
        }
        storeFloat(kStart, 0.0f);
        break;
    case kStop:
        if (on && running()) {
            storeFloat(kState, 0.0f);
            storeFloat(kStopReason, static_cast<float>(reason));
            journal_.append(McSimJournal::CodeStop, static_cast<quint16>(reason), 0, 0);
        }
        storeFloat(kStop, 0.0f);
        break;
    case kUnblock:
        if (on)
            storeFloat(kBlock, 0.0f);
        storeFloat(kUnblock, 0.0f);
        break;
    case kCopyArchives:
    case kDeleteArchives:
    case kDeleteServiceArchives:
    case kLogCompress:
        if (id == kLogCompress && !on) {
            storeFloat(kLogStatus, 0.0f);
            break;
        }
        if (on && (id != kCopyArchives || value == 1.0f)) {
            if (pending(id))
                return;
            operations_.append({id, clock_(), operationDuration(id)});
            if (id == kLogCompress) {
                storeFloat(kLogStatus, 1.0f);
            } else {
                storeFloat(kProgressTotal, static_cast<float>(kProgressSteps));
                storeFloat(kProgress, 0.0f);
            }
        }
        break;
    case kVsdApplyPort:
        // Non-zero while the drive's port is set up again.
        if (on && !pending(id))
            operations_.append({id, clock_(), operationDuration(id)});
        break;
    case kVsdResetCounters:
        if (on) {
            for (quint16 counter = kVsdRequests; counter <= kVsdLastCounter; ++counter)
                storeFloat(counter, 0.0f);
        }
        storeFloat(id, 0.0f);
        break;
    case kVsdResetDefaults:
        if (on)
            resetDriveSettings();
        storeFloat(id, 0.0f);
        break;
    case kVsdProxyControl:
        if (value == kVsdProxyReset)
            storeFloat(id, 0.0f);
        break;
    case kDirectSync:
        // The drive synchronises with the network at once; the command rests.
        if (value == 1.0f) {
            storeFloat(kTransitionState, 1.0f);
            storeFloat(kDirectSync, 0.0f);
        }
        break;
    case kTransition:
        if (on)
            storeFloat(kTransition, 0.0f);
        break;
    default:
        for (const CounterReset& reset : counterResets()) {
            if (reset.command != id)
                continue;
            if (value == reset.value) {
                for (quint16 counter : reset.counters)
                    store(counter, toRaw(params_.value(counter), 0.0f));
            }
            storeFloat(id, 0.0f);
        }
        resetToDefaults(id, value);
        break;
    }
}

bool McSimCore::pending(quint16 id) const
{
    for (const Operation& op : operations_) {
        if (op.id == id)
            return true;
    }
    return false;
}

void McSimCore::resetDriveSettings()
{
    for (auto it = params_.begin(); it != params_.end(); ++it) {
        const quint16 id = it.key();
        if (id >= kVsdFirst && id <= kVsdLast && it->kind == 0 && it->operation != 1 && it->raw != it->defRaw)
            store(id, it->defRaw);
    }
}

void McSimCore::resetToDefaults(quint16 id, float value)
{
    QVector<quint16> settings;
    if (id == McSimResets::kResetAll) {
        if (value == static_cast<float>(McSimResets::kResetAllValue))
            settings = McSimResets::allSettings();
    } else {
        settings = McSimResets::settingsOf(id);
        if (settings.isEmpty())
            return;
        if (value == 0.0f)
            settings.clear();
    }
    // The restored values reach the panel as changed parameters.
    for (quint16 setting : qAsConst(settings)) {
        auto it = params_.constFind(setting);
        if (it != params_.constEnd() && it->raw != it->defRaw)
            store(setting, it->defRaw);
    }
    storeFloat(id, 0.0f);
}

void McSimCore::advance()
{
    const qint64 now = clock_();
    for (int i = 0; i < operations_.size();) {
        const Operation op = operations_.at(i);
        if (now - op.start >= op.duration) {
            operations_.removeAt(i);
            finishOperation(op);
            continue;
        }
        if (op.id != kLogCompress && op.id != kVsdApplyPort)
            storeFloat(kProgress, static_cast<float>((now - op.start) * kProgressSteps / op.duration));
        ++i;
    }
    if (now - lastStep_ >= 1000) {
        const qint64 steps = (now - lastStep_) / 1000;
        lastStep_ += steps * 1000;
        plantTicks_ += static_cast<quint32>(steps);
        plantStep();
    }
}

void McSimCore::finishOperation(const Operation& op)
{
    switch (op.id) {
    case kCopyArchives:
        storeFloat(kProgress, static_cast<float>(kProgressSteps));
        storeFloat(kCopyArchives, 2.0f);
        break;
    case kDeleteArchives:
        journal_.erase();
        storeFloat(kProgress, static_cast<float>(kProgressSteps));
        storeFloat(kDeleteArchives, 0.0f);
        break;
    case kDeleteServiceArchives:
        storeFloat(kProgress, static_cast<float>(kProgressSteps));
        storeFloat(kDeleteServiceArchives, 0.0f);
        break;
    case kVsdApplyPort:
        storeFloat(kVsdApplyPort, 0.0f);
        break;
    case kLogCompress:
        buildLog();
        storeFloat(kLogSize, static_cast<float>(log_.size()));
        storeFloat(kLogStatus, 2.0f);
        break;
    default:
        break;
    }
}

void McSimCore::buildLog()
{
    // A deterministic log of 2 to 20 KiB, different for each request.
    ++logSeed_;
    const int size = 2048 + static_cast<int>((logSeed_ * 7919u) % (18u * 1024u));
    log_.resize(size);
    for (int i = 0; i < size; ++i)
        log_[i] = static_cast<char>((i * 31 + static_cast<int>(logSeed_) * 17) & 0xFF);
}

void McSimCore::plantStep()
{
    const quint32 now = epoch_ + plantTicks_;
    // An unsigned clock keeps every second; a float one is as near as a float holds.
    if (params_.contains(kClock))
        plantStore(kClock, params_.value(kClock).vtype == 1 ? now : Common::floatBits(static_cast<float>(now)));
    journal_.setTime(epoch_ + plantTicks_);
    // The station's own events keep coming while it runs.
    if (plantTicks_ / kSampleEventSeconds != sampledAt_ / kSampleEventSeconds) {
        sampledAt_ = plantTicks_;
        journal_.appendSample();
    }
    const bool run = running();
    // A small ripple while running keeps the measurements moving.
    const float ripple = run ? 0.1f * static_cast<float>(plantTicks_ % 5) : 0.0f;
    for (const RunningValue& rv : kRunningValues) {
        auto it = params_.constFind(rv.id);
        if (it != params_.constEnd())
            plantStore(rv.id, toRaw(*it, run ? rv.value + ripple : 0.0f));
    }
    // The controller polls a fitted drive, and every poll is answered.
    if (Common::toCode(floatOf(kVsdType)) != 0) {
        if (params_.contains(kVsdLinkQuality))
            plantStore(kVsdLinkQuality, toRaw(params_.value(kVsdLinkQuality), 100.0f));
        for (quint16 counter : {kVsdRequests, kVsdAnswers}) {
            auto it = params_.constFind(counter);
            if (it == params_.constEnd())
                continue;
            // The counters wrap at their top.
            const float next = floatOf(counter) + kVsdPollsPerSecond;
            plantStore(counter, toRaw(*it, next > it->max ? 0.0f : next));
        }
    }
}

bool McSimCore::contains(quint16 id) const
{
    QMutexLocker lock(&mutex_);
    return params_.contains(id);
}

float McSimCore::value(quint16 id) const
{
    QMutexLocker lock(&mutex_);
    return floatOf(id);
}

quint32 McSimCore::raw(quint16 id) const
{
    QMutexLocker lock(&mutex_);
    return params_.value(id).raw;
}

void McSimCore::setValue(quint16 id, float value)
{
    QMutexLocker lock(&mutex_);
    auto it = params_.constFind(id);
    if (it != params_.constEnd())
        store(id, toRaw(*it, value));
}

void McSimCore::setRaw(quint16 id, quint32 raw)
{
    QMutexLocker lock(&mutex_);
    store(id, raw);
}

void McSimCore::setLimits(quint16 id, float min, float max, quint8 physic)
{
    QMutexLocker lock(&mutex_);
    auto it = params_.find(id);
    if (it == params_.end())
        return;
    it->min = min;
    it->max = max;
    it->physic = physic;
}

bool McSimCore::limits(quint16 id, float* min, float* max, quint8* physic) const
{
    QMutexLocker lock(&mutex_);
    auto it = params_.constFind(id);
    if (it == params_.constEnd())
        return false;
    *min = it->min;
    *max = it->max;
    *physic = it->physic;
    return true;
}

void McSimCore::addEvent(quint8 code, quint16 id, quint32 value1, quint32 value2)
{
    QMutexLocker lock(&mutex_);
    journal_.append(code, id, value1, value2);
}

void McSimCore::dropReplies(int n)
{
    QMutexLocker lock(&mutex_);
    dropReplies_ += qMax(0, n);
}

void McSimCore::corruptReplies(int n)
{
    QMutexLocker lock(&mutex_);
    corruptReplies_ += qMax(0, n);
}

int McSimCore::pendingFaults() const
{
    QMutexLocker lock(&mutex_);
    return dropReplies_ + corruptReplies_;
}

void McSimCore::restart()
{
    QMutexLocker lock(&mutex_);
    restarted_ = true;
    haveLast_ = false;
    changed_.clear();
    changedOrder_.clear();
    journal_.markAllReported();
    operations_.clear();
    if (running())
        storeFloat(kState, 0.0f);
    journal_.append(McSimJournal::CodeStationEvent, McSimJournal::kPowerOn, 0, 0);
    journal_.markAllReported();
    changed_.clear();
    changedOrder_.clear();
}

int McSimCore::parameterCount() const
{
    QMutexLocker lock(&mutex_);
    return params_.size();
}

quint32 McSimCore::lastEventSerial() const
{
    QMutexLocker lock(&mutex_);
    return journal_.lastSerial();
}

int McSimCore::writesAccepted() const
{
    QMutexLocker lock(&mutex_);
    return writesAccepted_;
}

int McSimCore::writesRefused() const
{
    QMutexLocker lock(&mutex_);
    return writesRefused_;
}

int McSimCore::requestsHandled() const
{
    QMutexLocker lock(&mutex_);
    return requests_;
}

QByteArray McSimCore::compressedLog() const
{
    QMutexLocker lock(&mutex_);
    return log_;
}

QByteArray McSimCore::softwareFile(quint16 file) const
{
    QMutexLocker lock(&mutex_);
    return softwareFiles_.value(file);
}

int McSimCore::softwareBlocks() const
{
    QMutexLocker lock(&mutex_);
    return softwareBlocks_;
}
