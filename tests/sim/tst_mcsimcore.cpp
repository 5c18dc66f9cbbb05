#include <algorithm>
#include <atomic>
#include <cstring>

#include "link/linkcodec.h"
#include "sim/mcsimcore.h"
#include "sim/mcsimresets.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

QByteArray ids(std::initializer_list<quint16> list)
{
    QByteArray p;
    for (quint16 id : list)
        LinkCodec::putU16(&p, id);
    return p;
}

QByteArray writeOf(quint16 id, float value, quint8 eventType = 1)
{
    QByteArray p;
    LinkCodec::putU16(&p, id);
    LinkCodec::putU32(&p, Common::floatBits(value));
    p.append(static_cast<char>(eventType));
    return p;
}

} // namespace

class TestMcSimCore : public QObject
{
    Q_OBJECT

    std::atomic<qint64> now_{0};
    quint8 seq_ = 0;

    std::unique_ptr<McSimCore> make()
    {
        auto core = std::make_unique<McSimCore>();
        core->setClock([this] { return now_.load(); });
        core->seed({McSimCore::ParamSeed::make(13, 1, 0, 3, 0, 1), McSimCore::ParamSeed::make(39, 2, 0, 25, 0), McSimCore::ParamSeed::make(562, 2, 0, 4.2e9f, 0, 1, 1),
                    McSimCore::ParamSeed::make(578, 2, 0, 12, 0), McSimCore::ParamSeed::make(592, 2, 0, 1, 0, 2), McSimCore::ParamSeed::make(593, 2, 0, 1, 0, 2),
                    McSimCore::ParamSeed::make(595, 2, 0, 1, 0, 2), McSimCore::ParamSeed::make(685, 3, 0, 3, 1), McSimCore::ParamSeed::make(724, 1, 0, 1000, 0, 1),
                    McSimCore::ParamSeed::make(725, 1, 0, 1000, 0, 1), McSimCore::ParamSeed::make(1181, 2, 0, 3, 0, 2), McSimCore::ParamSeed::make(1182, 1, 0, 2, 0, 1),
                    McSimCore::ParamSeed::make(1183, 2, 0, 1e7f, 0, 1), McSimCore::ParamSeed::make(10001, 1, 0, 100, 0, 1),
                    McSimCore::ParamSeed::make(2, 2, 0, 2000, 0), McSimCore::ParamSeed::make(3, 2, 0, 2000, 0),
                    McSimCore::ParamSeed::make(709, 2, 0, 10000, 0)});
        return core;
    }

    LinkFrame ask(McSimCore* core, quint8 cmd, const QByteArray& payload = QByteArray())
    {
        LinkFrame req;
        req.cmd = cmd;
        req.seq = ++seq_;
        req.payload = payload;
        LinkFrame reply;
        const QByteArray wire = core->exchange(LinkCodec::encodeRequest(req));
        if (LinkCodec::decodeReply(wire, &reply) != LinkCodec::DecodeOk)
            reply.result = 0xFF;
        return reply;
    }

    // id -> raw of a READ_CHANGED reply.
    QMap<quint16, quint32> changed(McSimCore* core)
    {
        QMap<quint16, quint32> out;
        const LinkFrame r = ask(core, LinkCodec::CmdReadChanged);
        for (int pos = 0; pos + 6 <= r.payload.size(); pos += 6)
            out.insert(LinkCodec::getU16(r.payload, pos), LinkCodec::getU32(r.payload, pos + 2));
        return out;
    }

private slots:
    void writesAcceptedOrRefusedAreReportedAsChanged()
    {
        auto core = make();
        McSimCore* c = core.get();
        changed(c);
        QCOMPARE(ask(c, LinkCodec::CmdStatus).status & LinkCodec::StatusChanged, 0);

        QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, writeOf(578, 4.0f)).payload.at(2)), quint8(0));
        QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, writeOf(578, 12.6f)).payload.at(2)),
                 quint8(LinkCodec::ResOutOfRange));
        QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, writeOf(13, 1.0f)).payload.at(2)),
                 quint8(LinkCodec::ResReadOnly));
        QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, writeOf(9999, 1.0f)).payload.at(2)),
                 quint8(LinkCodec::ResUnknownId));
        // Only while stopped.
        c->setValue(13, 2.0f);
        QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, writeOf(685, 2.0f)).payload.at(2)),
                 quint8(LinkCodec::ResLockedRunning));
        QCOMPARE(c->writesAccepted(), 1);
        QCOMPARE(c->writesRefused(), 4);
        QVERIFY(ask(c, LinkCodec::CmdStatus).status & LinkCodec::StatusChanged);
        const QMap<quint16, quint32> ch = changed(c);
        QCOMPARE(ch.value(578), Common::floatBits(4.0f));
        QCOMPARE(ch.value(685), Common::floatBits(1.0f));
        QVERIFY(ch.contains(13));
        QVERIFY(!ch.contains(9999));
        QCOMPARE(ask(c, LinkCodec::CmdStatus).status & LinkCodec::StatusChanged, 0);
        QVERIFY(ask(c, LinkCodec::CmdWriteValue, QByteArray(3, '\0')).result == LinkCodec::ResBadLength);
    }

    void readsValuesLimitsAndCodes()
    {
        auto core = make();
        McSimCore* c = core.get();
        c->setLimits(578, 1.0f, 11.0f, 9);
        LinkFrame r = ask(c, LinkCodec::CmdReadMax, ids({578, 39}));
        QCOMPARE(r.payload.toHex(), QByteArray("0242") + QByteArray::number(Common::floatBits(11.0f), 16) + "0027"
                                        + QByteArray::number(Common::floatBits(25.0f), 16));
        r = ask(c, LinkCodec::CmdReadPhysic, ids({578}));
        QCOMPARE(LinkCodec::getU32(r.payload, 2), 9u);
        // An unknown id is left out and flagged.
        r = ask(c, LinkCodec::CmdReadValues, ids({685, 9999}));
        QCOMPARE(r.result, quint8(LinkCodec::ResUnknownId));
        QCOMPARE(r.payload.size(), 6);
        QCOMPARE(LinkCodec::getU32(r.payload, 2), Common::floatBits(1.0f));
        QCOMPARE(ask(c, LinkCodec::CmdReadValues, QByteArray(3, '\0')).result, quint8(LinkCodec::ResBadLength));
        QCOMPARE(ask(c, 99).result, quint8(LinkCodec::ResUnknownCmd));
    }

    void journalGeometryAndNewEvents()
    {
        auto core = make();
        McSimCore* c = core.get();
        QCOMPARE(c->lastEventSerial(), 600u);
        // Slot 0 holds the oldest of the pre-filled records; the last byte of a page belongs to no slot.
        QByteArray addrs;
        for (quint32 a : {0u, 21u, 4074u, 4096u, 4095u, 20480u})
            LinkCodec::putU32(&addrs, a);
        LinkFrame r = ask(c, LinkCodec::CmdReadEvents, addrs);
        QCOMPARE(r.payload.size(), 6 * 21);
        auto serial = [&r](int k) { return static_cast<quint32>(static_cast<quint8>(r.payload.at(k * 21)))
                                        | (static_cast<quint32>(static_cast<quint8>(r.payload.at(k * 21 + 1))) << 8); };
        QCOMPARE(serial(0), 1u);
        QCOMPARE(serial(1), 2u);
        QCOMPARE(serial(2), 195u);
        QCOMPARE(serial(3), 196u);
        QCOMPARE(r.payload.mid(5 * 21), QByteArray(21, '\xFF'));
        QCOMPARE(ask(c, LinkCodec::CmdReadEvents, QByteArray(44, '\0')).result, quint8(LinkCodec::ResBadLength));
        // Pre-filled history is not announced; new events are, at most 10 a reply, oldest first.
        QCOMPARE(ask(c, LinkCodec::CmdStatus).status & LinkCodec::StatusNewEvents, 0);
        for (int i = 0; i < 12; ++i)
            c->addEvent(13, 578, 0, static_cast<quint32>(i));
        r = ask(c, LinkCodec::CmdReadNewEvents);
        QCOMPARE(r.payload.size(), 10 * 21);
        QVERIFY(r.status & LinkCodec::StatusNewEvents);
        QCOMPARE(static_cast<quint8>(r.payload.at(0)), quint8(601 & 0xFF));
        r = ask(c, LinkCodec::CmdReadNewEvents);
        QCOMPARE(r.payload.size(), 2 * 21);
        QCOMPARE(r.status & LinkCodec::StatusNewEvents, 0);
        // The ring wraps: 975 slots, the oldest overwritten.
        for (int i = 0; i < 400; ++i)
            c->addEvent(2, 1, 0, 0);
        addrs.clear();
        LinkCodec::putU32(&addrs, 0);
        r = ask(c, LinkCodec::CmdReadEvents, addrs);
        QCOMPARE(static_cast<quint8>(r.payload.at(0)) | (static_cast<quint8>(r.payload.at(1)) << 8), 976);
    }

    void repeatedRequestGetsTheSameReply()
    {
        auto core = make();
        McSimCore* c = core.get();
        changed(c);
        c->setValue(39, 7.0f);
        LinkFrame req;
        req.cmd = LinkCodec::CmdReadChanged;
        req.seq = 200;
        const QByteArray wire = LinkCodec::encodeRequest(req);
        c->dropReplies(1);
        QVERIFY(c->exchange(wire).isEmpty());
        c->corruptReplies(1);
        LinkFrame reply;
        QCOMPARE(LinkCodec::decodeReply(c->exchange(wire), &reply), LinkCodec::DecodeBadCrc);
        // The report drained by the lost exchange comes with the repeat.
        QCOMPARE(LinkCodec::decodeReply(c->exchange(wire), &reply), LinkCodec::DecodeOk);
        QCOMPARE(LinkCodec::getU16(reply.payload, 0), quint16(39));
        QCOMPARE(c->pendingFaults(), 0);
        // A damaged request is answered with a CRC error and changes nothing.
        QByteArray bad = LinkCodec::encodeRequest(req);
        bad[2] = static_cast<char>(bad.at(2) ^ 0x10);
        QCOMPARE(LinkCodec::decodeReply(c->exchange(bad), &reply), LinkCodec::DecodeOk);
        QCOMPARE(reply.result, quint8(LinkCodec::ResBadCrc));
    }

    void restartIsAnnouncedOnce()
    {
        auto core = make();
        McSimCore* c = core.get();
        c->setValue(39, 3.0f);
        c->restart();
        const LinkFrame r = ask(c, LinkCodec::CmdStatus);
        QVERIFY(r.status & LinkCodec::StatusRestarted);
        QCOMPARE(r.status & (LinkCodec::StatusChanged | LinkCodec::StatusNewEvents), 0);
        QCOMPARE(ask(c, LinkCodec::CmdStatus).status & LinkCodec::StatusRestarted, 0);
        QCOMPARE(c->value(39), 3.0f);  // settings survive
    }

    void plantClockAndCommands()
    {
        auto core = make();
        McSimCore* c = core.get();
        const quint32 t0 = c->raw(562);
        now_ += 3000;
        ask(c, LinkCodec::CmdStatus);
        QCOMPARE(c->raw(562), t0 + 3);
        QCOMPARE(c->value(10001), 0.0f);
        ask(c, LinkCodec::CmdWriteValue, writeOf(593, 1.0f));
        QCOMPARE(c->value(13), 2.0f);
        QCOMPARE(c->value(593), 0.0f);
        now_ += 1000;
        ask(c, LinkCodec::CmdStatus);
        QVERIFY(c->value(10001) > 0.0f);
        ask(c, LinkCodec::CmdWriteValue, writeOf(592, 1.0f));
        QCOMPARE(c->value(13), 0.0f);
        now_ += 1000;
        ask(c, LinkCodec::CmdStatus);
        QCOMPARE(c->value(10001), 0.0f);
        // The clock set by the panel runs on from the time set.
        QByteArray w;
        LinkCodec::putU16(&w, 562);
        LinkCodec::putU32(&w, 1700000000u);
        w.append('\x02');
        QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, w).payload.at(2)), quint8(0));
        now_ += 2000;
        ask(c, LinkCodec::CmdStatus);
        QCOMPARE(c->raw(562), 1700000002u);
    }

    // Values chosen at start hold against the plant model, stopped or running, until something sets them.
    void chosenValuesHoldUntilSet()
    {
        auto core = make();
        McSimCore* c = core.get();
        QVERIFY(c->applyValues(QStringLiteral("2=735.9;709=1323;10001=59.97;562=1700000000")));
        const struct {
            quint16 id;
            float value;
        } chosen[] = {{2, 735.9f}, {709, 1323.0f}, {10001, 59.97f}};
        const auto held = [c, &chosen](std::initializer_list<quint16> released) {
            for (const auto& v : chosen) {
                if (std::find(released.begin(), released.end(), v.id) == released.end() && c->value(v.id) != v.value)
                    return false;
            }
            return true;
        };
        const auto step = [this, c](qint64 ms) {
            now_ += ms;
            ask(c, LinkCodec::CmdStatus);
        };
        const auto write = [this, c](quint16 id, quint32 raw) {
            QByteArray w;
            LinkCodec::putU16(&w, id);
            LinkCodec::putU32(&w, raw);
            w.append('\x01');
            return static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, w).payload.at(2));
        };
        // Stopped, where the plant sets them to 0; the chosen time stands still.
        step(3000);
        QVERIFY(held({}));
        QCOMPARE(c->raw(562), 1700000000u);
        // Running, where the plant sets its own values; one not chosen follows the plant.
        QCOMPARE(write(593, Common::floatBits(1.0f)), quint8(LinkCodec::ResOk));
        step(3000);
        QCOMPARE(c->value(13), 2.0f);
        QVERIFY(held({}));
        QVERIFY(c->value(3) > 20.0f);
        // Refused writes set nothing and release nothing.
        QCOMPARE(write(2, Common::floatBits(5000.0f)), quint8(LinkCodec::ResOutOfRange));
        QCOMPARE(write(10001, Common::floatBits(10.0f)), quint8(LinkCodec::ResReadOnly));
        step(1000);
        QVERIFY(held({}));
        // An accepted write releases its id alone: the plant sets it from the next step on.
        QCOMPARE(write(2, Common::floatBits(100.0f)), quint8(LinkCodec::ResOk));
        QCOMPARE(c->value(2), 100.0f);
        step(1000);
        QVERIFY(c->value(2) > 20.0f && c->value(2) < 30.0f);
        QVERIFY(held({2}));
        // So does the controller's own change, and a write of the clock, which runs on from the time set.
        c->setValue(10001, 1.0f);
        QCOMPARE(write(562, 1700000100u), quint8(LinkCodec::ResOk));
        step(2000);
        QVERIFY(c->value(10001) > 40.0f);
        QCOMPARE(c->raw(562), 1700000102u);
        QVERIFY(held({2, 10001}));
        // Stopped again: the released ones fall to 0, the chosen one stays.
        QCOMPARE(write(592, Common::floatBits(1.0f)), quint8(LinkCodec::ResOk));
        step(1000);
        QCOMPARE(c->value(2), 0.0f);
        QCOMPARE(c->value(10001), 0.0f);
        QVERIFY(held({2, 10001}));
    }

    void deleteArchivesErasesJournal()
    {
        auto core = make();
        McSimCore* c = core.get();
        ask(c, LinkCodec::CmdWriteValue, writeOf(595, 1.0f));
        now_ += 1500;
        ask(c, LinkCodec::CmdStatus);
        QCOMPARE(c->value(725), 100.0f);
        QCOMPARE(c->value(724), 50.0f);
        QCOMPARE(c->value(595), 1.0f);
        now_ += 1500;
        ask(c, LinkCodec::CmdStatus);
        QCOMPARE(c->value(595), 0.0f);
        QByteArray addr;
        LinkCodec::putU32(&addr, 0);
        QCOMPARE(ask(c, LinkCodec::CmdReadEvents, addr).payload, QByteArray(21, '\xFF'));
        // Serial numbers go on after the erase.
        c->addEvent(1, 1, 0, 0);
        QCOMPARE(c->lastEventSerial(), 601u);  // commands are not journalled as setting changes
    }

    void compressedLogAndSoftwareBlocks()
    {
        auto core = make();
        McSimCore* c = core.get();
        QByteArray header = QByteArray::fromHex("00ffff") + QByteArray::fromHex("00000000") + QByteArray::fromHex("10000000")
                            + QByteArray::fromHex("10000000");
        // No log yet: an empty slice.
        LinkFrame r = ask(c, LinkCodec::CmdReadLog, header);
        QCOMPARE(r.payload.size(), 15);
        ask(c, LinkCodec::CmdWriteValue, writeOf(1181, 3.0f));
        QCOMPARE(c->value(1182), 1.0f);
        now_ += 2000;
        ask(c, LinkCodec::CmdStatus);
        QCOMPARE(c->value(1182), 2.0f);
        const QByteArray log = c->compressedLog();
        QCOMPARE(c->value(1183), static_cast<float>(log.size()));
        r = ask(c, LinkCodec::CmdReadLog, header);
        QCOMPARE(r.payload.mid(15), log.left(16));
        QCOMPARE(r.payload.mid(11, 4), QByteArray::fromHex("10000000"));
        QCOMPARE(ask(c, LinkCodec::CmdReadLog, header.left(14)).result, quint8(LinkCodec::ResBadLength));
        ask(c, LinkCodec::CmdWriteValue, writeOf(1181, 0.0f));
        QCOMPARE(c->value(1182), 0.0f);

        QCOMPARE(ask(c, LinkCodec::CmdSoftwareWrite, QByteArray::fromHex("0500000003000a0b0c")).result, quint8(0));
        QCOMPARE(ask(c, LinkCodec::CmdSoftwareWrite, QByteArray::fromHex("0500010004000a0b0c")).result,
                 quint8(LinkCodec::ResBadLength));
        QCOMPARE(c->softwareFile(5), QByteArray::fromHex("0a0b0c"));
        QCOMPARE(c->softwareBlocks(), 1);
    }

    // Each reset restores the defaults of its own settings only; 599 = 3 restores them all. The restored values
    // and the command, back at 0, are reported as changed.
    void resetsRestoreTheirDefaults()
    {
        auto core = std::make_unique<McSimCore>();
        core->setClock([this] { return now_.load(); });
        QVector<McSimCore::ParamSeed> seeds{McSimCore::ParamSeed::make(McSimResets::kResetAll, 2, 0, 3, 0, 2)};
        const QVector<quint16> settings = McSimResets::allSettings();
        // Defaults that differ from one setting to the next.
        const auto def = [](quint16 id) { return static_cast<float>(id % 7); };
        for (quint16 id : settings)
            seeds << McSimCore::ParamSeed::make(id, 2, 0, 100, def(id));
        for (const McSimResets::Reset& r : McSimResets::table())
            seeds << McSimCore::ParamSeed::make(r.id, 2, 0, 1, 0, 2);
        core->seed(seeds);
        McSimCore* c = core.get();
        // A reply lists a bounded number of changes: read until none is left.
        const auto allChanged = [&] {
            QMap<quint16, quint32> all;
            for (int i = 0; i < 20; ++i) {
                const QMap<quint16, quint32> part = changed(c);
                if (part.isEmpty())
                    break;
                all.insert(part);
            }
            return all;
        };
        const auto moveAll = [&] {
            for (quint16 id : settings)
                c->setValue(id, 50.0f);
            allChanged();
        };

        for (const McSimResets::Reset& r : McSimResets::table()) {
            moveAll();
            QCOMPARE(static_cast<quint8>(ask(c, LinkCodec::CmdWriteValue, writeOf(r.id, 1.0f)).payload.at(2)), quint8(0));
            const QMap<quint16, quint32> ch = allChanged();
            QCOMPARE(ch.value(r.id), Common::floatBits(0.0f));
            for (quint16 id : r.settings)
                QCOMPARE(ch.value(id), Common::floatBits(def(id)));
            for (quint16 id : settings) {
                if (!r.settings.contains(id))
                    QVERIFY2(c->value(id) == 50.0f, QByteArray::number(id));
            }
            QCOMPARE(ch.size(), r.settings.size() + 1);
        }

        // 599 with another value restores nothing.
        moveAll();
        ask(c, LinkCodec::CmdWriteValue, writeOf(McSimResets::kResetAll, 1.0f));
        QCOMPARE(allChanged().keys(), QList<quint16>{McSimResets::kResetAll});
        ask(c, LinkCodec::CmdWriteValue, writeOf(McSimResets::kResetAll, 3.0f));
        const QMap<quint16, quint32> ch = allChanged();
        QCOMPARE(ch.size(), settings.size() + 1);
        QCOMPARE(c->value(McSimResets::kResetAll), 0.0f);
        for (quint16 id : settings)
            QVERIFY2(c->value(id) == def(id), QByteArray::number(id));
    }

    void initialValuesString()
    {
        auto core = make();
        QString error;
        QVERIFY(core->applyValues(QStringLiteral("578=3; 685=2;39=17;4242=1"), &error));
        QCOMPARE(core->value(578), 3.0f);
        QCOMPARE(core->value(685), 2.0f);
        QCOMPARE(core->value(39), 17.0f);
        QVERIFY(core->applyValues(QStringLiteral("562=1700000003")));
        QCOMPARE(core->raw(562), 1700000003u);  // every digit of an unsigned value
        QVERIFY(!core->applyValues(QStringLiteral("578=4;39"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!core->applyValues(QStringLiteral("578=nan")));
        QVERIFY(!core->applyValues(QStringLiteral("70000=1")));
        QCOMPARE(core->value(578), 3.0f);  // nothing of a malformed list is applied
    }
};

RVK_TEST_MAIN(TestMcSimCore)
#include "tst_mcsimcore.moc"
