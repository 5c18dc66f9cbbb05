#include "app/parameters.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtDebug>

#include <cmath>
#include <cstring>

#include "texts/common.h"

namespace {

// Quantities whose display unit comes from a board setting, with that setting.
int displayUnitSetting(int physic)
{
    switch (physic) {
    case 18: return 585;
    case 19: return 586;
    case 20: return 587;
    case 23: return 589;
    case 32: return 1650;
    default: return 0;
    }
}

} // namespace

Parameters::Parameters(QObject* parent)
    : QObject(parent), defs_(new ParameterDef*[65536]())
{
    for (auto& c : cells_)
        c.store(0, std::memory_order_relaxed);
    for (auto& p : present_)
        p.store(false, std::memory_order_relaxed);
}

Parameters::~Parameters()
{
    for (int i = 0; i < 65536; ++i)
        delete defs_[i];
}

bool Parameters::load()
{
    QSqlQuery q;
    if (!q.exec("SELECT id, access, operation, physic, unit_out, mask, discret, min, max FROM parameters ORDER BY id")) {
        qCritical() << "Parameters: cannot read the catalogue:" << q.lastError().text();
        return false;
    }
    while (q.next()) {
        ParameterDef def;
        const int id = q.value(0).toInt();
        if (id < 0 || id > 65535)
            continue;
        def.id = static_cast<quint16>(id);
        def.access = static_cast<quint8>(q.value(1).toUInt());
        def.operation = static_cast<quint8>(q.value(2).toUInt());
        def.physic = static_cast<quint8>(q.value(3).toUInt());
        def.unitOut = static_cast<quint8>(q.value(4).toUInt());
        def.mask = q.value(5).toString();
        def.discret = static_cast<quint16>(qMax(1u, q.value(6).toUInt()));
        def.min = q.value(7).toFloat();
        def.max = q.value(8).toFloat();
        addParameter(def);
    }
    qDebug() << "Parameters: catalogue holds" << ids_.size() << "parameters";
    return !ids_.isEmpty();
}

void Parameters::addParameter(const ParameterDef& def)
{
    ParameterDef*& slot = defs_[def.id];
    if (!slot) {
        slot = new ParameterDef(def);
        auto it = std::lower_bound(ids_.begin(), ids_.end(), def.id);
        ids_.insert(it, def.id);
    } else {
        *slot = def;
    }
    cells_[def.id].store(def.value.u, std::memory_order_release);
    present_[def.id].store(true, std::memory_order_release);
}

float Parameters::get(quint16 id) const
{
    if (!present_[id].load(std::memory_order_acquire))
        return 0.0f;
    return Common::bitsFloat(cells_[id].load(std::memory_order_acquire));
}

quint32 Parameters::getU32(quint16 id) const
{
    if (!present_[id].load(std::memory_order_acquire))
        return 0;
    return cells_[id].load(std::memory_order_acquire);
}

float Parameters::getMin(quint16 id) const
{
    const ParameterDef* def = defs_[id];
    return def ? def->min : 0.0f;
}

float Parameters::getMax(quint16 id) const
{
    const ParameterDef* def = defs_[id];
    return def ? def->max : 0.0f;
}

ParameterDef* Parameters::getParameter(quint16 id) const
{
    return defs_[id];
}

bool Parameters::contains(quint16 id) const
{
    return defs_[id] != nullptr;
}

int Parameters::set(quint16 id, quint32 value, int eventType)
{
    emit signalParamWrite(id, value, eventType);
    return 0;
}

int Parameters::set(quint16 id, float value, int eventType)
{
    return set(id, Common::floatBits(value), eventType);
}

int Parameters::set(quint16 id, int value, int eventType)
{
    return set(id, static_cast<float>(value), eventType);
}

int Parameters::set(quint16 id, double value, int eventType)
{
    return set(id, static_cast<float>(value), eventType);
}

int Parameters::unitColumn(const ParameterDef* def, bool useDisplayUnit) const
{
    int column = def->unitOut;
    if (useDisplayUnit) {
        const int setting = displayUnitSetting(def->physic);
        if (setting)
            column = static_cast<int>(qMin<quint32>(Common::toCode(get(static_cast<quint16>(setting))), 9));
    }
    return column >= 9 ? 0 : column;
}

Common::CellReader Parameters::cellReader() const
{
    return [this](quint16 id) { return getU32(id); };
}

float Parameters::convertFrom(float value, const ParameterDef* def, bool forceTime, bool useDisplayUnit) const
{
    if (def->physic > 32)
        return value;
    if (useDisplayUnit) {
        if (def->physic == 1)
            return value;
        if (def->physic == 2 && def->unitOut != 1 && def->unitOut != 2 && !forceTime)
            return value;
    }
    const Common::UnitFactor& f = Common::units[def->physic][unitColumn(def, useDisplayUnit)];
    if (f.scale == 0.0f)
        return value;
    return f.offset + value * f.scale;
}

float Parameters::convertTo(float value, const ParameterDef* def, bool forceTime) const
{
    if (def->physic > 32 || def->physic == 1)
        return value;
    if (def->physic == 2 && def->unitOut != 1 && def->unitOut != 2 && !forceTime)
        return value;
    const Common::UnitFactor& f = Common::units[def->physic][unitColumn(def, true)];
    if (f.scale == 0.0f)
        return value;
    return (value - f.offset) / f.scale;
}

QString Parameters::getTextUnit(const ParameterDef* def) const
{
    if (def->physic > 32)
        return QString();
    int unit = def->unitOut;
    const int setting = displayUnitSetting(def->physic);
    if (setting)
        unit = static_cast<int>(Common::toCode(get(static_cast<quint16>(setting))) & 0xFF);
    return Common::getTextUnitPhysic(def->physic, unit);
}

bool Parameters::store(quint16 id, quint32 raw, quint8 cmd)
{
    ParameterDef* def = defs_[id];
    if (!def)
        return false;
    switch (cmd) {
    case 7:
        def->min = Common::bitsFloat(raw);
        break;
    case 8:
        def->max = Common::bitsFloat(raw);
        break;
    case 15:
        def->physic = static_cast<quint8>(raw & 0xFF);
        break;
    default:
        def->value.u = raw;
        def->valid = raw != 0xFFFFFFFFu;
        cells_[id].store(raw, std::memory_order_release);
        break;
    }
    return true;
}

void Parameters::slotParamUpdated(quint16 id, quint32 raw, quint8 cmd)
{
    if (store(id, raw, cmd))
        emit signalParamUpdated(id, cmd);
}

void Parameters::slotParamDelivered(quint16 id, quint32 raw, quint8 cmd)
{
    if (!store(id, raw, cmd))
        return;
    // Posted behind this delivery and ahead of the next one: whatever answers the update (a rebuilt screen, a
    // question to the operator) runs while the link goes on.
    QMetaObject::invokeMethod(
        this, [this, id, cmd] { emit signalParamUpdated(id, cmd); }, Qt::QueuedConnection);
}

void Parameters::slotSyncFinished()
{
    if (synchronized_)
        return;
    synchronized_ = true;
    emit signalSyncFinished();
}
