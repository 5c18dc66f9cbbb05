#pragma once

#include <QByteArray>
#include <QVector>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <initializer_list>

#include "app/mainapplication.h"
#include "app/parameterdef.h"
#include "app/parameters.h"
#include "scada/scada.h"
#include "texts/common.h"

namespace scadatest {

// The application's mirror, loaded once per test program.
inline Parameters* mirror()
{
    MainApplication* app = MainApplication::getInstance();
    if (!app->params()) {
        app->initDatabase();
        app->initParameters();
    }
    return app->params();
}

// Stores a value as a controller update would.
inline void setRaw(quint16 id, quint32 raw)
{
    Parameters* p = mirror();
    if (!p->contains(id)) {
        ParameterDef def;
        def.id = id;
        p->addParameter(def);
    }
    p->slotParamUpdated(id, raw, 0);
}

inline void setValue(quint16 id, float value) { setRaw(id, Common::floatBits(value)); }

// Register bytes as hex, or "exc<code>" on a failed callback.
inline QByteArray read(Scada& map, quint16 pduAddress, quint16 count)
{
    QByteArray buffer(2 * count + 4, '\0');
    buffer[2] = static_cast<char>(count & 0xFF);
    const eMBErrorCode r = map.readReg(reinterpret_cast<uint8_t*>(buffer.data()), pduAddress + 1, count);
    if (r != MB_ERR_NONE)
        return "err" + QByteArray::number(static_cast<int>(r));
    return buffer.left(2 * count).toHex();
}

inline eMBErrorCode write(Scada& map, quint16 pduAddress, const QVector<quint16>& regs)
{
    QByteArray buffer;
    for (quint16 r : regs) {
        buffer.append(static_cast<char>(r >> 8));
        buffer.append(static_cast<char>(r & 0xFF));
    }
    return map.writeReg(reinterpret_cast<uint8_t*>(buffer.data()), pduAddress + 1,
                        static_cast<uint16_t>(regs.size()));
}

inline eMBErrorCode write(Scada& map, quint16 pduAddress, std::initializer_list<quint16> regs)
{
    return write(map, pduAddress, QVector<quint16>(regs));
}

// Sets parameters from "id=value;id=value": "uN" is a raw unsigned cell, "empty" the empty cell.
inline void setValues(const QString& list)
{
    for (const QString& item : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const quint16 id = item.section(QLatin1Char('='), 0, 0).trimmed().toUShort();
        const QString v = item.section(QLatin1Char('='), 1).trimmed();
        if (v == QLatin1String("empty"))
            setRaw(id, 0xFFFFFFFF);
        else if (v.startsWith(QLatin1Char('u')))
            setRaw(id, v.mid(1).toUInt());
        else
            setValue(id, v.toFloat());
    }
}

// Sets the parameters `ids` to 0, then those that `values` names.
template <size_t N>
void setInputs(const quint16 (&ids)[N], const QString& values)
{
    for (quint16 id : ids)
        setValue(id, 0.0f);
    setValues(values);
}

// `count` registers from `address` after one refresh with the inputs `ids` set by `values` (see setInputs).
template <size_t N>
QByteArray readAfterRefresh(Scada& map, const quint16 (&ids)[N], const QString& values, int address, int count)
{
    setInputs(ids, values);
    map.calcParamsStart();
    return read(map, static_cast<quint16>(address), static_cast<quint16>(count));
}

// One refresh of the map; the number of computed addresses that its table lacks (each warns).
inline int refreshMisses(Scada& map)
{
    static int misses;
    misses = 0;
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        if (m.contains(QLatin1String("not found Register")))
            ++misses;
    });
    map.calcParamsStart();
    qInstallMessageHandler(previous);
    return misses;
}

// The local time zone of the process, as the board's clock would have it.
inline void setTimeZone(const char* tz)
{
    qputenv("TZ", tz);
    tzset();
}

struct Write {
    quint16 id;
    quint32 raw;
    int eventType;
};

// Parameter writes that the mirror has sent towards the controller since the last call.
class WriteLog : public QObject
{
public:
    WriteLog()
    {
        connect(mirror(), &Parameters::signalParamWrite, this,
                [this](quint16 id, quint32 raw, int type) { writes.append({id, raw, type}); });
    }
    QVector<Write> take()
    {
        QVector<Write> out = writes;
        writes.clear();
        return out;
    }
    QVector<Write> writes;
};

// Writes as "id=value;...", the value a float, or "u" and the raw cell for the ids in `rawIds`; an
// event type other than 3 follows as "@type".
inline QString describe(const QVector<Write>& writes, std::initializer_list<quint16> rawIds = {})
{
    QStringList out;
    for (const Write& w : writes) {
        const bool raw = std::find(rawIds.begin(), rawIds.end(), w.id) != rawIds.end();
        QString s = QStringLiteral("%1=%2").arg(w.id).arg(raw ? QStringLiteral("u%1").arg(w.raw)
                                                              : QString::number(Common::bitsFloat(w.raw)));
        if (w.eventType != 3)
            s += QStringLiteral("@%1").arg(w.eventType);
        out << s;
    }
    return out.join(QLatin1Char(';'));
}

} // namespace scadatest
