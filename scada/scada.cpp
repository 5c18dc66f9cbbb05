#include "scada/scada.h"

#include <QThread>
#include <QtDebug>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/parameterdef.h"
#include "app/parameters.h"
#include "link/spidriver.h"
#include "scada/scadaclock.h"
#include "scada/scadaserver.h"
#include "texts/common.h"

namespace {

eMBErrorCode engineInit(quint16 port) { return eMBTCPInit(port); }
eMBErrorCode engineEnable() { return eMBEnable(); }
eMBErrorCode engineDisable() { return eMBDisable(); }
eMBErrorCode engineClose() { return eMBClose(); }
eMBErrorCode enginePoll() { return eMBPoll(); }


// A register's word of a value: rounded half away from zero, its lowest 16 or 32 bits (two's complement).
// NaN reads 0; a value beyond the 32-bit range, which no word holds, reads as the register's extreme on
// its side.
quint32 integerWord(double v, int size, bool isSigned)
{
    if (std::isnan(v))
        return 0;
    v = std::round(v);
    if (v >= -2147483648.0 && v <= 4294967295.0)
        return static_cast<quint32>(static_cast<qint64>(v));
    const quint32 top = size == 2 ? (isSigned ? 0x7FFFu : 0xFFFFu) : (isSigned ? 0x7FFFFFFFu : 0xFFFFFFFFu);
    if (v > 0.0)
        return top;
    return isSigned ? top + 1 : 0u;
}

// A coefficient as the decimal that the table writes (0.1 is 1/10, not the float 0.100000001...): units ÷
// scale, the scale a power of ten. A float times a scale up to 10^9 is exact in a double, so scaling through
// it gives the exact decimal quotient, rounded once.
struct DecimalCoefficient {
    double units;
    double scale;
};

DecimalCoefficient decimalOf(float coefficient)
{
    double scale = 1.0;
    for (int digits = 0; digits <= 9; ++digits, scale *= 10.0) {
        const double units = std::round(static_cast<double>(coefficient) * scale);
        if (units != 0.0 && static_cast<float>(units / scale) == coefficient)
            return {units, scale};
    }
    return {static_cast<double>(coefficient), 1.0};
}

// value ÷ coefficient; a coefficient of 0 leaves the value as it is.
double divideByCoefficient(float value, float coefficient)
{
    const DecimalCoefficient d = decimalOf(coefficient);
    if (d.units == 0.0)
        return value;
    const double scaled = static_cast<double>(value) * d.scale;
    return d.units == 1.0 ? scaled : scaled / d.units;
}

// raw × coefficient.
double multiplyByCoefficient(double raw, float coefficient)
{
    const DecimalCoefficient d = decimalOf(coefficient);
    return raw * d.units / d.scale;
}

bool isRawType(quint8 type) { return type == 12 || type == 13; }

// Registers of downhole temperatures, signed counters and rows with a negative minimum: a written word is a
// two's-complement number, and a value beyond the 32-bit range reads as the signed extreme.
bool isSigned(const ScadaParameter& row)
{
    return row.dataType == 2 || row.dataType == 3 || row.min < 0.0f;
}

// A raw word kept as is: no unit, no scale.
bool isPlainRaw(const ScadaParameter& row)
{
    return isRawType(row.dataType) && row.physic == 0 && row.coefficient == 1.0f;
}

// The inverse of the read conversion, in the row's own unit.
float fromRegisterUnit(float v, const ScadaParameter& row)
{
    if (row.physic > 32)
        return v;
    const Common::UnitFactor& f = Common::units[row.physic][row.unit >= 9 ? 0 : row.unit];
    if (f.scale == 0.0f)
        return v;
    return (v - f.offset) / f.scale;
}

void putU16(uint8_t* out, quint32 word)
{
    out[0] = static_cast<uint8_t>((word >> 8) & 0xFF);
    out[1] = static_cast<uint8_t>(word & 0xFF);
}

void putLe16(QByteArray& out, quint32 v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void putLe32(QByteArray& out, quint32 v)
{
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

quint32 getLe32(const QByteArray& in, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(in.at(at + i));
    return v;
}

// One identification object: id, length, bytes (at most 32).
void putObject(uint8_t* buffer, uint16_t* len, quint8 id, const char* data, int size)
{
    size = qBound(0, size, 32);
    buffer[*len] = id;
    buffer[*len + 1] = static_cast<uint8_t>(size);
    std::memcpy(buffer + *len + 2, data, static_cast<size_t>(size));
    *len = static_cast<uint16_t>(*len + 2 + size);
}

void putText(uint8_t* buffer, uint16_t* len, quint8 id, const char* text)
{
    putObject(buffer, len, id, text, static_cast<int>(std::strlen(text)));
}

constexpr quint8 kCoilType = 7;

std::atomic<Scada*> engineMap_{nullptr};

} // namespace

Scada::Scada()
    : clock_(ScadaClock::system()), server_(new ScadaServer(this))
{
    qDebug().noquote() << QStringLiteral("create: %1").arg(QString::fromLatin1(Scada::staticMetaObject.className()));
}

Scada::~Scada()
{
    Scada* self = this;
    engineMap_.compare_exchange_strong(self, nullptr);
    delete[] parameters_;
    parameters_ = nullptr;
    countParameters_ = 0;
    qDebug().noquote() << QStringLiteral("~%1").arg(QString::fromLatin1(Scada::staticMetaObject.className()));
}

void Scada::attach(Parameters* params, SpiFunnel spi)
{
    params_ = params;
    spi_ = std::move(spi);
    if (!params)
        return;
    // Both arrive on the map's thread once it has moved there; the mirror is only read from it.
    mirrorReady_.store(params->isSynchronized());
    connect(params, &Parameters::signalSyncFinished, this, &Scada::slotSyncFinished);
    connect(params, &Parameters::signalParamUpdated, this, &Scada::slotParamUpdated);
}

void Scada::setClock(ScadaClock* clock)
{
    clock_ = clock ? clock : ScadaClock::system();
}

SpiDriver* Scada::spiDriver() const
{
    return spi_ ? spi_() : nullptr;
}

Scada* Scada::engineMap()
{
    return engineMap_.load();
}

void Scada::bindEngine()
{
    engineMap_.store(this);
}

int Scada::expandLine(const ScadaRow& line, ScadaParameter* out) const
{
    // A run of a two-register type names both registers of its last row; a single row names its first.
    const int step = sizeDataFromTypeData(static_cast<unsigned char>(line.dataType_)) == 4 ? 2 : 1;
    const int span = line.last_ - line.first_ + 1;
    if (line.first_ < 0 || line.last_ > 0xFFFF || span < 1 || (span > 1 && span % step != 0))
        return -1;
    const int rows = span > 1 ? span / step : 1;
    const bool idRun = line.lastId_ != line.id_;
    if (idRun ? (line.id_ < 1 || line.lastId_ - line.id_ + 1 != rows || line.lastId_ > 0x7FFF)
              : (line.id_ < -1 || line.id_ > 0x7FFF || (line.id_ > 0 && rows > 1)))
        return -1;
    for (int k = 0; out && k < rows; ++k) {
        ScadaParameter& row = out[k];
        row.paramId = static_cast<qint16>(idRun ? line.id_ + k : line.id_);
        row.address = static_cast<quint16>(line.first_ + k * step);
        row.operation = static_cast<quint8>(line.operation_);
        row.physic = static_cast<quint8>(line.physic_);
        row.unit = static_cast<quint8>(line.unit_);
        row.dataType = static_cast<quint8>(line.dataType_);
        row.coefficient = static_cast<float>(line.coefficient_);
        row.min = static_cast<float>(line.min_);
        row.max = static_cast<float>(line.max_);
        row.value = 0.0f;
    }
    return rows;
}

void Scada::fillLines(const ScadaRow* lines, size_t count, const ScadaRow* merged, size_t mergedCount)
{
    // Each list expanded on its own; the coil rows that lead both come first, then the rest of the two
    // merged by address (a list in order stays in order; a row out of place stays out of place).
    auto expand = [this](const ScadaRow* from, size_t n) {
        QVector<ScadaParameter> rows;
        for (size_t i = 0; i < n; ++i) {
            const int count = expandLine(from[i], nullptr);
            if (count < 0) {
                qCritical().noquote()
                    << QStringLiteral("Scada: table line %1 (registers %2-%3) does not agree with itself")
                           .arg(i + 1)
                           .arg(from[i].first_)
                           .arg(from[i].last_);
                continue;
            }
            rows.resize(rows.size() + count);
            expandLine(from[i], rows.data() + rows.size() - count);
        }
        return rows;
    };
    auto leadingCoils = [](const QVector<ScadaParameter>& rows) {
        int n = 0;
        while (n < rows.size() && rows[n].dataType == kCoilType)
            ++n;
        return n;
    };
    const QVector<ScadaParameter> a = expand(lines, count);
    const QVector<ScadaParameter> b = expand(merged, mergedCount);
    int i = leadingCoils(a);
    int j = leadingCoils(b);

    QVector<ScadaParameter> table = a.mid(0, i) + b.mid(0, j);
    table.reserve(a.size() + b.size());
    while (i < a.size() || j < b.size()) {
        const bool fromA = j >= b.size() || (i < a.size() && a[i].address <= b[j].address);
        table.append(fromA ? a[i++] : b[j++]);
    }
    if (table.size() > 0xFFFF) {
        qCritical() << "Scada: a table of" << table.size() << "rows is too long";
        table.resize(0xFFFF);
    }

    delete[] parameters_;
    parameters_ = nullptr;
    countParameters_ = 0;
    inFlight_.clear();
    if (table.isEmpty())
        return;
    parameters_ = new ScadaParameter[static_cast<size_t>(table.size())];
    std::copy(table.cbegin(), table.cend(), parameters_);
    countParameters_ = static_cast<quint16>(table.size());
}

int Scada::sizeDataFromTypeData(unsigned char dataType)
{
    switch (dataType) {
    case 1: case 2: case 4: case 8: case 10: case 12: case 14:
        return 2;
    case 3: case 5: case 6: case 9: case 13: case 15:
        return 4;
    default:
        return -1;
    }
}

int Scada::getIndexAtAddress(int address, unsigned char dataType) const
{
    const int index = findIndex(address, dataType);
    if (index < 0)
        qWarning().noquote() << QStringLiteral("Scada: not found Register (address = %1)").arg(address - 1);
    return index;
}

int Scada::requestedIndex(int address)
{
    const int index = findIndex(address, 0);
    QString note;
    if (index < 0 && missLog_.admit(clock_->nowMs(), &note))
        qWarning().noquote() << QStringLiteral("Scada: not found Register (address = %1)").arg(address - 1) + note;
    return index;
}

int Scada::findIndex(int address, unsigned char dataType) const
{
    const int key = address - 1;
    if (key >= 0 && parameters_) {
        int low = startIndex_;
        int high = static_cast<int>(countParameters_) - 1;
        while (low <= high) {
            const int mid = (low + high) / 2;
            const int at = parameters_[mid].address;
            if (key > at)
                low = mid + 1;
            else if (key == at)
                return mid;
            else
                high = mid - 1;
        }
        for (int i = 0; i < countParameters_; ++i) {
            if (parameters_[i].address == key && (dataType == 0 || parameters_[i].dataType == dataType))
                return i;
        }
    }
    return -1;
}

ScadaParameter* Scada::parameter(uint16_t address)
{
    const int index = getIndexAtAddress(static_cast<int>(address) + 1, 0);
    return index < 0 ? &defaultParameter_ : &parameters_[index];
}

void Scada::buildTable()
{
    initParameters();
    for (int i = 0; i < countParameters_; ++i) {
        if (parameters_[i].dataType != kCoilType) {
            startIndex_ = i;
            break;
        }
    }
}

void Scada::process()
{
    if (SpiDriver* spi = spiDriver()) {
        connect(this, &Scada::signalSoftwareWrite, spi, &SpiDriver::slotScadaSoftwareWrite);
        connect(this, &Scada::signalScadaRequestCompressLogRN, spi, &SpiDriver::slotSpiRequestLogCompressRN);
        connect(spi, &SpiDriver::signalSpiResiveLogCompressRN, this, &Scada::slotScadaResiveCompressLogRN,
                Qt::DirectConnection);
        connect(spi, &SpiDriver::signalParamWriteRefused, this, &Scada::slotParamWriteRefused);
    }

    buildTable();

    bindEngine();
    const eMBErrorCode init = engineInit(ScadaServer::port());
    if (init != MB_ERR_NONE) {
        qWarning().noquote() << QStringLiteral("Scada: error init modbus stack - %1!").arg(static_cast<int>(init));
        return;
    }
    engineOpen_ = true;
    if (engineEnable() != MB_ERR_NONE) {
        qWarning() << "Scada: the Modbus engine cannot be enabled";
        return;
    }
    // The first request finds the mirror's values, not zeros.
    calcParamsStart();

    clock_->repeat(this, 100, [this] {
        calcParamsStart();
        return true;
    });
    clock_->repeat(this, 20, [this] {
        pool();
        return processEnabled_.load();
    });
}

void Scada::setProcessEnabled(bool enabled)
{
    processEnabled_.store(enabled);
    if (enabled)
        return;
    // The engine and its sockets belong to the SCADA thread: close them there, and only
    // between two poll steps. A callback that waits for the controller gives up on the flag.
    if (thread() == QThread::currentThread() || !thread() || !thread()->isRunning())
        closeEngine();
    else
        QMetaObject::invokeMethod(this, "closeEngine", Qt::BlockingQueuedConnection);
}

void Scada::closeEngine()
{
    Scada* self = this;
    engineMap_.compare_exchange_strong(self, nullptr);
    if (!engineOpen_)
        return;
    engineOpen_ = false;
    engineDisable();
    engineClose();
}

void Scada::pool()
{
    if (!processEnabled_.load())
        return;
    // A request takes two engine steps (frame received, then executed); both run in one tick so that a
    // master waits at most one poll period.
    eMBErrorCode result = enginePoll();
    if (result == MB_ERR_NONE)
        result = enginePoll();
    if (result != MB_ERR_NONE)
        setProcessEnabled(false);
}

void Scada::calcParamsStart()
{
    for (int i = 0; i < countParameters_; ++i)
        copyMirrored(parameters_[i]);
    calcParams();
    keepWrittenValues();
}

void Scada::copyMirrored(ScadaParameter& row) const
{
    if (row.paramId > 0 && params_)
        row.value = Common::bitsFloat(params_->getU32(static_cast<quint16>(row.paramId)));
}

void Scada::slotSyncFinished()
{
    if (parameters_)
        calcParamsStart();
    mirrorReady_.store(true);
}

void Scada::keepWrittenValues()
{
    if (inFlight_.isEmpty() && refusalEchoes_.isEmpty())
        return;
    const qint64 now = clock_->nowMs();
    for (int i = inFlight_.size() - 1; i >= 0; --i) {
        if (now >= inFlight_[i].untilMs)
            endWriteInFlight(i);
    }
    refusalEchoes_.erase(std::remove_if(refusalEchoes_.begin(), refusalEchoes_.end(),
                                        [now](const RefusalEcho& e) { return now >= e.untilMs; }),
                         refusalEchoes_.end());
    for (const WriteInFlight& w : qAsConst(inFlight_))
        parameters_[w.row].value = w.value;
}

void Scada::endWriteInFlight(int at)
{
    const int row = inFlight_[at].row;
    inFlight_.remove(at);
    // The row shows the mirror at once, unless a later write of it is still on its way.
    for (const WriteInFlight& w : qAsConst(inFlight_)) {
        if (w.row == row)
            return;
    }
    copyMirrored(parameters_[row]);
}

void Scada::slotParamUpdated(quint16 id, quint8 cmd)
{
    if (cmd == 7 || cmd == 8 || cmd == 15 || (inFlight_.isEmpty() && refusalEchoes_.isEmpty()))
        return;
    // The controller reports a parameter after refusing a write of it too; that report is not the answer
    // to a later write still on its way.
    for (int i = 0; i < refusalEchoes_.size(); ++i) {
        if (refusalEchoes_[i].id == id) {
            refusalEchoes_.remove(i);
            return;
        }
    }
    // Reports come in the order of the writes: the oldest write of the parameter is answered.
    for (int i = 0; i < inFlight_.size(); ++i) {
        if (inFlight_[i].id == id) {
            endWriteInFlight(i);
            return;
        }
    }
}

void Scada::slotParamWriteRefused(quint16 id)
{
    for (int i = 0; i < inFlight_.size(); ++i) {
        if (inFlight_[i].id == id) {
            endWriteInFlight(i);
            refusalEchoes_.append({id, clock_->nowMs() + kWriteHoldMs});
            return;
        }
    }
}

// Encodes one row into its 2 or 4 register bytes.
bool Scada::encodeRow(const ScadaParameter& row, uint8_t* out, bool both) const
{
    const int size = sizeDataFromTypeData(row.dataType);
    quint32 word = 0;
    if (isPlainRaw(row)) {
        word = Common::floatBits(row.value);
    } else {
        ParameterDef def;
        def.physic = row.physic;
        def.unitOut = row.unit;
        def.mask.clear();
        const Parameters* p = params();
        const float converted = p ? p->convertFrom(row.value, &def, true, false) : row.value;
        const double v = divideByCoefficient(converted, row.coefficient);
        if (row.dataType == 6)
            word = std::isnan(v) ? 0u : Common::floatBits(static_cast<float>(v));
        else if (isRawType(row.dataType))
            word = Common::floatBits(static_cast<float>(v));
        else
            word = integerWord(v, size, isSigned(row));
    }
    if (size == 2) {
        putU16(out, word & 0xFFFF);
    } else if (both) {
        putU16(out, word >> 16);
        putU16(out + 2, word & 0xFFFF);
    }
    return true;
}

// Decodes and checks one written row; false when the value is out of the row's range.
bool Scada::decodeRow(const ScadaParameter& row, const uint8_t* in, float* value) const
{
    const int size = sizeDataFromTypeData(row.dataType);
    quint32 raw = (static_cast<quint32>(in[0]) << 8) | in[1];
    if (size == 4)
        raw = (raw << 16) | (static_cast<quint32>(in[2]) << 8) | in[3];

    double x;
    if (row.dataType == 6)
        x = static_cast<double>(Common::bitsFloat(raw));
    else if (isSigned(row))
        x = size == 2 ? static_cast<double>(static_cast<qint16>(raw & 0xFFFF))
                      : static_cast<double>(static_cast<qint32>(raw));
    else
        x = static_cast<double>(raw);
    if (!Common::checkRange(x, row.min, row.max, 1))
        return false;

    if (isPlainRaw(row)) {
        *value = Common::bitsFloat(raw);
        return true;
    }
    const double v = multiplyByCoefficient(isRawType(row.dataType) ? static_cast<double>(Common::bitsFloat(raw)) : x,
                                           row.coefficient);
    *value = fromRegisterUnit(static_cast<float>(v), row);
    return true;
}

eMBErrorCode Scada::readReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    if (Common::toInt(params() ? params()->get(757) : 0.0f) == 3 && address == 354 && buffer[2] == 1)
        return MB_ERR_BUSY;
    int i = 0;
    while (i < numRegs) {
        const int index = requestedIndex(static_cast<int>(address) + i);
        if (index < 0)
            return MB_ERR_NO_REGISTER;
        const ScadaParameter& row = parameters_[index];
        const int size = sizeDataFromTypeData(row.dataType);
        if (size < 0)
            return MB_ERR_INVALID;
        if (size == 4 && i + 1 >= numRegs)
            return MB_ERR_NO_REGISTER;
        encodeRow(row, buffer + 2 * i, true);
        i += size / 2;
    }
    return MB_ERR_NONE;
}

eMBErrorCode Scada::writeReg(uint8_t* buffer, uint16_t address, uint16_t numRegs)
{
    struct Change {
        ScadaParameter* row;
        float value;
    };
    QVector<Change> changes;
    // The whole request is checked before any row changes.
    int i = 0;
    while (i < numRegs) {
        const int index = requestedIndex(static_cast<int>(address) + i);
        if (index < 0)
            return MB_ERR_NO_REGISTER;
        ScadaParameter& row = parameters_[index];
        // Operation 3 marks motor data that the station changes only while stopped: never over Modbus.
        if (row.operation != 2)
            return MB_ERR_INVALID;
        const int size = sizeDataFromTypeData(row.dataType);
        if (size < 0)
            return MB_ERR_INVALID;
        if (size == 4 && i + 1 >= numRegs)
            return MB_ERR_NO_REGISTER;
        float value = 0.0f;
        if (!decodeRow(row, buffer + 2 * i, &value))
            return MB_ERR_INVALID;
        changes.append({&row, value});
        i += size / 2;
    }

    struct Previous {
        ScadaParameter* row;
        float value;
        int firstWrite;  // the parameter writes that its setNewValue made start here
    };
    QVector<Previous> previous;
    holdWrites_ = true;
    heldWrites_.clear();
    for (const Change& c : changes) {
        previous.append({c.row, c.row->value, heldWrites_.size()});
        c.row->value = c.value;
        if (setNewValue(c.row) != 0) {
            // A refused row sends nothing of the request and leaves every value as it was.
            for (int k = previous.size() - 1; k >= 0; --k)
                previous[k].row->value = previous[k].value;
            holdWrites_ = false;
            heldWrites_.clear();
            return MB_ERR_INVALID;
        }
    }
    holdWrites_ = false;
    const QVector<PendingWrite> writes = heldWrites_;
    heldWrites_.clear();
    Parameters* p = params();
    if (!p)
        return MB_ERR_NONE;
    for (const PendingWrite& w : writes)
        p->set(w.id, w.raw, w.eventType);

    // A mirrored row that sent its own parameter keeps the written value until the controller answers, so
    // that a master reading it back does not see the old one in between.
    const qint64 until = clock_->nowMs() + kWriteHoldMs;
    for (int k = 0; k < previous.size(); ++k) {
        const ScadaParameter* row = previous[k].row;
        const int end = k + 1 < previous.size() ? previous[k + 1].firstWrite : writes.size();
        for (int w = previous[k].firstWrite; w < end; ++w) {
            if (row->paramId > 0 && writes[w].id == static_cast<quint16>(row->paramId)) {
                if (inFlight_.size() >= kMaxWritesInFlight)
                    endWriteInFlight(0);
                inFlight_.append({writes[w].id, static_cast<int>(row - parameters_), row->value, until});
                break;
            }
        }
    }
    return MB_ERR_NONE;
}

void Scada::setParameter(quint16 id, quint32 raw, int eventType)
{
    if (holdWrites_) {
        heldWrites_.append({id, raw, eventType});
        return;
    }
    if (Parameters* p = params())
        p->set(id, raw, eventType);
}

void Scada::setParameter(quint16 id, float value, int eventType)
{
    setParameter(id, Common::floatBits(value), eventType);
}

eMBErrorCode Scada::writeCoils(uint8_t* buffer, uint16_t address, uint16_t numCoils)
{
    Parameters* p = params();
    const bool on = buffer[0] != 0;
    if (p && Common::toInt(p->get(757)) == 3 && address == 43606 && on)
        return MB_ERR_NONE;
    if (numCoils != 1 || address == 0)
        return MB_ERR_NO_REGISTER;
    const int coil = address - 1;
    if (coil == 0 || coil == 64 || coil == 513) {
        if (p)
            p->set(on ? quint16(593) : quint16(592), 1, 1);
    } else if (coil == 65) {
        if (on && p)
            p->set(quint16(592), 1, 1);
    } else {
        return MB_ERR_NO_REGISTER;
    }
    return MB_ERR_NONE;
}

int Scada::setNewValue(ScadaParameter*)
{
    return 1;
}

eMBErrorCode Scada::commandLog(uint8_t*, uint16_t, uint16_t*)
{
    return MB_ERR_NONE;
}

eMBErrorCode Scada::readLog(uint8_t*, uint32_t, uint16_t)
{
    return MB_ERR_NONE;
}

eMBErrorCode Scada::readInfo(uint8_t* buffer, uint16_t address, uint16_t* len)
{
    if (address == 0)
        return MB_ERR_INVALID;
    const int selector = address - 1;
    const int meiType = selector >> 8;
    const int code = selector & 0xFF;
    if (meiType != 0x0E || (code != 1 && code != 3 && code != 4))
        return MB_ERR_INVALID;

    Parameters* p = params();
    auto value = [p](quint16 id) { return p ? p->get(id) : 0.0f; };

    uint16_t at = 0;
    const quint8 objects = code == 1 ? 3 : code == 3 ? 5 : 1;
    buffer[0] = 0x0E;
    buffer[1] = static_cast<uint8_t>(code);
    buffer[2] = code == 3 ? 0x03 : 0x01;
    buffer[3] = 0x00;
    buffer[4] = 0x00;
    buffer[5] = objects;
    at = 6;

    char text[33];
    if (code == 1) {
        putText(buffer, &at, 0x00, "VALDRIN");
        putText(buffer, &at, 0x01, "-05 ");
        std::snprintf(text, sizeof text, "V%d", static_cast<int>(Common::toInt(value(541))));
        putText(buffer, &at, 0x02, text);
    } else if (code == 3) {
        putText(buffer, &at, 0x80, "VALDRIN-RVK-02");
        putText(buffer, &at, 0x81, "log");
        const char zero[2] = {0x00, 0x00};
        putObject(buffer, &at, 0x82, zero, 2);
        const char regs[2] = {0x79, 0x00};
        putObject(buffer, &at, 0x83, regs, 2);
        quint32 records = 0;
        const quint32 state = Common::toCode(value(1182)) & 0xFFFF;
        if (state == 0) {
            if (p) {
                p->set(quint16(1181), 3, 1);
                p->set(quint16(1183), 0, 1);
            }
        } else if (state == 2) {
            const quint32 size = Common::toCode(value(1183));
            // Every started record and no more.
            records = (size / kLogRecordBytes + (size % kLogRecordBytes ? 1 : 0)) & 0xFFFF;
        }
        const char count[2] = {static_cast<char>(records & 0xFF), static_cast<char>((records >> 8) & 0xFF)};
        putObject(buffer, &at, 0x84, count, 2);
    } else {
        float version = value(541);
        if (!std::isfinite(version))
            version = 0.0f;
        const time_t built = static_cast<time_t>(p ? p->getU32(546) : 0);
        struct tm date = {};
        localtime_r(&built, &date);
        const int n = std::snprintf(text, sizeof text, "v%.2f.0.%d %02d.%02d.20%02d", static_cast<double>(version),
                                    static_cast<int>(Common::toInt(value(1104))), date.tm_mday, date.tm_mon + 1,
                                    ((date.tm_year % 100) + 100) % 100);
        putObject(buffer, &at, 0x02, text, qMin(n, 32));
    }
    *len = static_cast<uint16_t>(*len + at);
    return MB_ERR_NONE;
}

eMBErrorCode Scada::readFileRecord(uint8_t* buffer, uint32_t address, uint16_t len)
{
    Parameters* p = params();
    const quint32 size = Common::toCode(p ? p->get(1183) : 0.0f);
    // A slice must start inside the log.
    if (static_cast<qint32>(address) < 0 || address >= size)
        return MB_ERR_INVALID;

    clearLogBuffers();
    emit signalScadaRequestCompressLogRN(compressLogHeader(address, len));

    QByteArray replyHeader;
    QByteArray log;
    const bool replied = waitForController([&] {
        std::lock_guard<std::mutex> locker(logLock_);
        if (headerBuffer_.size() < 15)
            return false;
        replyHeader = headerBuffer_;
        log = logBuffer_;
        return true;
    });
    if (!replied)
        return MB_ERR_BUSY;
    // The reply must be for this slice: same offset, and the requested count or, for the last
    // record, what is left of the log.
    const quint32 count = getLe32(replyHeader, 7);
    if (getLe32(replyHeader, 3) != address || (count != len && count != qMin<quint32>(len, size - address)))
        return MB_ERR_INVALID;

    // The log's little-endian words go out as big-endian registers; a short last slice is padded with 0.
    for (int i = 0; i < len; ++i) {
        const int from = (i % 2 == 0) ? i + 1 : i - 1;
        buffer[i] = from < log.size() ? static_cast<uint8_t>(log.at(from)) : 0;
    }
    return MB_ERR_NONE;
}

QByteArray Scada::compressLogHeader(quint32 offset, quint32 count)
{
    QByteArray header;
    header.append('\0');
    header.append('\xFF');
    header.append('\xFF');
    putLe32(header, offset);
    putLe32(header, count);
    putLe32(header, count);
    return header;
}

void Scada::clearLogBuffers()
{
    std::lock_guard<std::mutex> locker(logLock_);
    headerBuffer_.clear();
    logBuffer_.clear();
}

bool Scada::takeLogReply(quint32* offset, QByteArray* data)
{
    constexpr int kHeader = 15;
    std::lock_guard<std::mutex> locker(logLock_);
    if (headerBuffer_.size() < kHeader)
        return false;
    *offset = getLe32(headerBuffer_, 3);
    const quint32 count = qMin<quint32>(getLe32(headerBuffer_, 11), static_cast<quint32>(logBuffer_.size()));
    headerBuffer_.remove(0, kHeader);
    *data = logBuffer_.left(count);
    logBuffer_.remove(0, count);
    return true;
}

bool Scada::waitForController(const std::function<bool()>& done)
{
    const qint64 start = clock_->nowMs();
    for (;;) {
        if (done())
            return true;
        if (clock_->nowMs() - start >= kWaitControllerMs || !processEnabled_.load())
            return false;
        clock_->sleepMs(5);
    }
}

void Scada::slotScadaResiveCompressLogRN(QByteArray header, QByteArray log)
{
    std::lock_guard<std::mutex> locker(logLock_);
    logBuffer_.append(log);
    headerBuffer_.append(header);
}

int Scada::slotSoftwareWrite(uint16_t usFileNumber, uint16_t, uint16_t usRecordLength, uint8_t* usRecordData)
{
    const int regs = usRecordLength;
    QVector<QByteArray> blocks;
    auto block = [&](quint16 part, int firstReg, int count) {
        QByteArray b;
        putLe16(b, usFileNumber);
        putLe16(b, part);
        putLe16(b, static_cast<quint32>(2 * count));
        b.append(reinterpret_cast<const char*>(usRecordData) + 2 * firstReg, 2 * count);
        blocks.append(b);
    };
    if (regs <= 80) {
        block(0, 0, regs);
    } else {
        block(0, 0, regs / 2);
        block(1, regs / 2, regs - regs / 2);
    }

    SpiDriver* spi = spiDriver();
    if (!spi)
        return MB_ERR_INVALID;
    // Blocks reach the driver in order; ours are answered once the driver has answered every
    // block up to the last of them, including any earlier block still on its way.
    const quint32 queued = spi->softwareBlocksQueued();
    const quint32 base = static_cast<qint32>(softwareTarget_ - queued) > 0 ? softwareTarget_ : queued;
    const quint32 target = base + static_cast<quint32>(blocks.size());
    softwareTarget_ = target;
    const quint32 refusedBefore = spi->softwareBlocksRefused();
    for (const QByteArray& b : blocks)
        emit signalSoftwareWrite(b);

    const bool answered = waitForController([spi, target] {
        return static_cast<qint32>(spi->softwareBlocksAccepted() + spi->softwareBlocksRefused() - target) >= 0;
    });
    if (!answered)
        return MB_ERR_BUSY;
    return spi->softwareBlocksRefused() == refusedBefore ? MB_ERR_NONE : MB_ERR_INVALID;
}

// Modbus callbacks: plain functions of the engine, served by the current register map.

namespace {

// The map that serves a request, or null with `refusal` set: no map, or one whose mirror has not yet
// ended its first synchronisation (its values would be zeros, not the controller's).
Scada* prvServingScada(eMBErrorCode* refusal)
{
    Scada* scada = Scada::engineMap();
    *refusal = !scada ? MB_ERR_NO_REGISTER : MB_ERR_BUSY;
    return scada && scada->isMirrorReady() ? scada : nullptr;
}

// Profile 4 serves holding registers at 30000 and input registers at 40000 onward.
uint16_t prvProfileOffset(const Scada* scada, uint16_t address, uint16_t offset)
{
    const Parameters* p = scada->params();
    if (p && p->get(578) == 4.0f)
        return static_cast<uint16_t>(address + offset);
    return address;
}

} // namespace

eMBErrorCode eMBRegInputCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNRegs)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    if (!scada)
        return refusal;
    return scada->readReg(pucRegBuffer, prvProfileOffset(scada, usAddress, 40000), usNRegs);
}

eMBErrorCode eMBRegHoldingCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNRegs, eMBRegisterMode eMode)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    if (!scada)
        return refusal;
    usAddress = prvProfileOffset(scada, usAddress, 30000);
    switch (eMode) {
    case MB_REG_READ:
        return scada->readReg(pucRegBuffer, usAddress, usNRegs);
    case MB_REG_WRITE:
        return scada->writeReg(pucRegBuffer, usAddress, usNRegs);
    }
    return MB_ERR_NONE;
}

eMBErrorCode eMBRegCoilsCB(uint8_t* pucRegBuffer, uint16_t usAddress, uint16_t usNCoils, eMBRegisterMode eMode)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    if (!scada)
        return refusal;
    if (eMode == MB_REG_READ)
        return MB_ERR_NO_REGISTER;
    return scada->writeCoils(pucRegBuffer, usAddress, usNCoils);
}

eMBErrorCode eMBRegDiscreteCB(uint8_t*, uint16_t, uint16_t)
{
    // No register map has discrete inputs.
    return MB_ERR_NO_REGISTER;
}

eMBErrorCode eMBRegReadInfo(uint8_t* pucBuffer, uint16_t usAddress, uint16_t* pusLength)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    return scada ? scada->readInfo(pucBuffer, usAddress, pusLength) : refusal;
}

eMBErrorCode eMBRegCommandLog(uint8_t* pucBuffer, uint16_t usCommand, uint16_t* pusLength)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    return scada ? scada->commandLog(pucBuffer, usCommand, pusLength) : refusal;
}

eMBErrorCode eMBRegReadLog(uint8_t* pucBuffer, uint32_t ulAddress, uint16_t usCount)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    return scada ? scada->readLog(pucBuffer, ulAddress, usCount) : refusal;
}

eMBErrorCode eMBReadFileRecord(uint8_t* pucBuffer, uint32_t ulAddress, uint16_t usCount)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    return scada ? scada->readFileRecord(pucBuffer, ulAddress, usCount) : refusal;
}

eMBErrorCode eMBWriteFileRecord(uint16_t usFileNumber, uint16_t usRecordNumber, uint16_t usRecordLength,
                                uint8_t* pucRecordData)
{
    eMBErrorCode refusal;
    Scada* scada = prvServingScada(&refusal);
    if (!scada)
        return refusal;
    return static_cast<eMBErrorCode>(scada->slotSoftwareWrite(usFileNumber, usRecordNumber, usRecordLength,
                                                              pucRecordData));
}
