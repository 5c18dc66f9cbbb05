#pragma once

#include <QByteArray>
#include <QVector>
#include <QtTest>

#include <algorithm>
#include <cstring>
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

} // namespace scadatest
