#pragma once

#include <QByteArray>
#include <QVector>
#include <QtTest>

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
        // Its values stand for the controller's: the register callbacks serve them.
        app->params()->slotSyncFinished();
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

// Every parameter of the mirror to 0, then "id=value;id=value" (values as floats; "id=#n" stores the raw
// word n, for date-times in seconds).
inline void setMirror(const QByteArray& values)
{
    Parameters* p = mirror();
    for (int id = 1; id <= 0xFFFF; ++id) {
        if (p->contains(static_cast<quint16>(id)) && p->getU32(static_cast<quint16>(id)) != 0)
            setRaw(static_cast<quint16>(id), 0);
    }
    for (const QByteArray& item : values.split(';')) {
        const QList<QByteArray> kv = item.trimmed().split('=');
        if (kv.size() != 2)
            continue;
        const quint16 id = static_cast<quint16>(kv[0].toUInt());
        if (kv[1].startsWith('#'))
            setRaw(id, kv[1].mid(1).toUInt());
        else
            setValue(id, kv[1].toFloat());
    }
}

// Writes as "id=value/eventType" joined by ';', values as floats; the ids in `rawIds` show their raw word.
inline QByteArray describe(const QVector<Write>& writes, std::initializer_list<quint16> rawIds = {})
{
    QByteArrayList out;
    for (const Write& w : writes) {
        const bool raw = std::find(rawIds.begin(), rawIds.end(), w.id) != rawIds.end();
        out << QByteArray::number(w.id) + '='
                + (raw ? QByteArray::number(w.raw) : QByteArray::number(Common::bitsFloat(w.raw), 'g', 7)) + '/'
                + QByteArray::number(w.eventType);
    }
    return out.join(';');
}

// Table-driven write tests: the columns, and the check of one data row: the mirror as the row gives it, the
// map refreshed, one write request (PDU address, words), its result and the parameter writes it sent.
inline void writeColumns()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<quint16>("address");
    QTest::addColumn<QVector<quint16>>("words");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("writes");
}

inline void writeRow(const char* name, const char* values, quint16 address, const QVector<quint16>& words,
                     int result, const char* writes)
{
    QTest::newRow(name) << QByteArray(values) << address << words << result << QByteArray(writes);
}

inline void checkWrite(Scada& map, std::initializer_list<quint16> rawIds = {})
{
    QFETCH(QByteArray, values);
    QFETCH(quint16, address);
    QFETCH(QVector<quint16>, words);
    QFETCH(int, result);
    QFETCH(QByteArray, writes);
    setMirror(values);
    map.calcParamsStart();
    WriteLog log;
    QCOMPARE(int(write(map, address, words)), result);
    QCOMPARE(describe(log.take(), rawIds), writes);
}

// Table-driven read tests: the mirror as the row gives it, the map refreshed, `count` registers from a
// PDU address as hex.
inline void readColumns()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<quint16>("address");
    QTest::addColumn<quint16>("count");
    QTest::addColumn<QByteArray>("registers");
}

inline void readRow(const char* name, const char* values, quint16 address, quint16 count, const char* registers)
{
    QTest::newRow(name) << QByteArray(values) << address << count << QByteArray(registers);
}

inline void checkRead(Scada& map)
{
    QFETCH(QByteArray, values);
    QFETCH(quint16, address);
    QFETCH(quint16, count);
    QFETCH(QByteArray, registers);
    setMirror(values);
    map.calcParamsStart();
    QCOMPARE(read(map, address, count), registers);
}

// Writes as "id=value;...", the value a float, or "u" and the raw cell for the ids in `rawIds`; an
// event type other than 3 follows as "@type".
inline QString describeText(const QVector<Write>& writes, std::initializer_list<quint16> rawIds = {})
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
