#include <QElapsedTimer>
#include <QMetaObject>

#include <atomic>

#include "app/parameters.h"
#include "link/linkclock.h"
#include "link/spidriver.h"
#include "log/log_event.h"
#include "sim/mcsimcore.h"
#include "support/simstation.h"
#include "support/testmain.h"

namespace {

QByteArray logHeader(quint32 offset, quint32 count)
{
    QByteArray h("\x00\xFF\xFF", 3);
    for (quint32 v : {offset, count, count})
        for (int i = 0; i < 4; ++i)
            h.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return h;
}

quint32 le32(const QByteArray& b, int pos)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<quint32>(static_cast<quint8>(b.at(pos + i))) << (8 * i);
    return v;
}

QByteArray softwareBlock(quint16 file, quint16 part, const QByteArray& data, int n = -1)
{
    if (n < 0)
        n = data.size();
    QByteArray b;
    for (quint16 v : {file, part, static_cast<quint16>(n)}) {
        b.append(static_cast<char>(v & 0xFF));
        b.append(static_cast<char>(v >> 8));
    }
    return b + data;
}

} // namespace

class TestSpiDriver : public QObject
{
    Q_OBJECT

    // The link and the controller run on the test's clock.
    SimStation station_{QString(), SimStation::Clock::Manual};

    bool storeHasNewestSerial()
    {
        const auto events = station_.logEvent()->events();
        return !events.isEmpty() && events.lastKey() == station_.sim()->lastEventSerial();
    }

private slots:
    void initTestCase()
    {
        // The ids these tests use, whatever rows the catalogue holds.
        station_.addParameter(McSimCore::ParamSeed::make(13, 1, 0, 3, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(39, 2, 0, 25, 0));
        station_.addParameter(McSimCore::ParamSeed::make(533, 1, 0, 100, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(535, 1, 0, 100, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(562, 2, 0, 4.2e9f, 0, 1, 1));
        station_.addParameter(McSimCore::ParamSeed::make(578, 2, 0, 12, 0));
        station_.addParameter(McSimCore::ParamSeed::make(592, 2, 0, 1, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(593, 2, 0, 1, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(594, 2, 0, 2, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(595, 2, 0, 1, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(596, 2, 0, 1, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(633, 1, 0, 3, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(685, 3, 0, 3, 1));
        station_.addParameter(McSimCore::ParamSeed::make(724, 1, 0, 1000, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(725, 1, 0, 1000, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(774, 2, 0, 1, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(1181, 2, 0, 3, 0, 2));
        station_.addParameter(McSimCore::ParamSeed::make(1182, 1, 0, 2, 0, 1));
        station_.addParameter(McSimCore::ParamSeed::make(1183, 2, 0, 1e7f, 0, 1));
        QVERIFY(station_.start());
    }

    void firstSyncMirrorsCatalogueAndJournal()
    {
        Parameters* p = station_.params();
        McSimCore* sim = station_.sim();
        QVERIFY(p->isSynchronized());
        const QVector<quint16> ids = p->ids();
        QVERIFY(ids.size() >= 19);
        QCOMPARE(sim->parameterCount(), ids.size());
        for (quint16 id : ids) {
            const ParameterDef* def = p->getParameter(id);
            QVERIFY2(def->valid, qPrintable(QString::number(id)));
            float min = 0.0f;
            float max = 0.0f;
            quint8 physic = 0;
            QVERIFY(sim->limits(id, &min, &max, &physic));
            QCOMPARE(def->min, min);
            QCOMPARE(def->max, max);
            QCOMPARE(def->physic, physic);
            if (id != 562)  // the controller's clock moves on
                QCOMPARE(p->getU32(id), sim->raw(id));
        }
        // The journal: the 512 records with the highest serials of the pre-filled 600.
        const auto events = station_.logEvent()->events();
        QCOMPARE(events.size(), 512);
        QCOMPARE(events.lastKey(), sim->lastEventSerial());
        QCOMPARE(events.firstKey(), sim->lastEventSerial() - 511);
        const SpiDriver::Stats s = station_.driver()->stats();
        QCOMPARE(s.timeouts + s.crcErrors, quint64(0));
    }

    void limitsAndCodesComeFromTheController()
    {
        // Limits the controller changed differ from the catalogue; a restart makes the driver read them again.
        station_.sim()->setLimits(578, 1.0f, 11.0f, 7);
        station_.sim()->restart();
        QVERIFY(SimStation::waitFor([this] {
            const ParameterDef* def = station_.params()->getParameter(578);
            return def->max == 11.0f && def->min == 1.0f && def->physic == 7;
        }));
        QVERIFY(SimStation::waitFor([this] { return station_.driver()->stats().restarts == 1; }));
        station_.sim()->setLimits(578, 0.0f, 12.0f, 0);
    }

    void writeReachesControllerAndReturns()
    {
        const quint32 serial = station_.sim()->lastEventSerial();
        QVERIFY(station_.params()->get(578) != 7.0f);
        station_.params()->set(578, 7.0f);
        QVERIFY(SimStation::waitForValue(578, 7.0f, 2000));
        QCOMPARE(station_.sim()->value(578), 7.0f);
        // The change is journalled and the new event reaches the store.
        QCOMPARE(station_.sim()->lastEventSerial(), serial + 1);
        QVERIFY(SimStation::waitFor([this] { return storeHasNewestSerial(); }));
        const QByteArray rec = station_.logEvent()->events().last();
        QCOMPARE(LogEvent::idOf(rec), quint16(578));
    }

    void refusedWritesLeaveMirror()
    {
        Parameters* p = station_.params();
        const quint64 refusedBefore = station_.driver()->stats().refusedWrites;
        const float v578 = p->get(578);
        const float v13 = p->get(13);
        p->set(578, 99.0f);        // out of range
        p->set(13, 1.0f);          // read-only
        p->set(40000u, 1u);        // unknown to the controller
        station_.sim()->setValue(13, 2.0f);
        QVERIFY(SimStation::waitForValue(13, 2.0f));
        const float v685 = p->get(685);
        p->set(685, 2.0f);         // only while stopped
        p->set(39, 5.0f);          // a marker: writes and reports keep their order
        QVERIFY(SimStation::waitForValue(39, 5.0f));
        QCOMPARE(station_.driver()->stats().refusedWrites - refusedBefore, quint64(4));
        QCOMPARE(p->get(578), v578);
        QCOMPARE(p->get(685), v685);
        QCOMPARE(station_.sim()->value(578), v578);
        QCOMPARE(station_.sim()->value(685), v685);
        Q_UNUSED(v13)
        station_.sim()->setValue(13, 0.0f);
        QVERIFY(SimStation::waitForValue(13, 0.0f));
    }

    void startStopAndUnblock()
    {
        Parameters* p = station_.params();
        const quint32 serial = station_.sim()->lastEventSerial();
        p->set(593, 1.0f);
        QVERIFY(SimStation::waitForValue(13, 2.0f));
        QVERIFY(SimStation::waitForValue(533, 1.0f));
        p->set(592, 1.0f, 3);
        QVERIFY(SimStation::waitForValue(13, 0.0f));
        QVERIFY(SimStation::waitForValue(535, 28.0f));  // stopped from SCADA
        QCOMPARE(station_.sim()->lastEventSerial(), serial + 2);
        QVERIFY(SimStation::waitFor([this] { return storeHasNewestSerial(); }));
        // A blocked station does not start until unblocked.
        station_.sim()->setValue(633, 1.0f);
        p->set(593, 1.0f);
        p->set(39, 6.0f);
        QVERIFY(SimStation::waitForValue(39, 6.0f));
        QCOMPARE(station_.sim()->value(13), 0.0f);
        p->set(774, 1.0f);
        QVERIFY(SimStation::waitForValue(633, 0.0f));
        QCOMPARE(p->get(593), 0.0f);
    }

    void faultsAreCountedAndNothingIsLost()
    {
        McSimCore* sim = station_.sim();
        const SpiDriver::Stats before = station_.driver()->stats();
        const quint32 serial0 = sim->lastEventSerial();
        // Single faults between good exchanges while writes and events flow.
        for (int i = 0; i < 20; ++i) {
            if (i % 2)
                sim->dropReplies(1);
            else
                sim->corruptReplies(1);
            station_.params()->set(39, static_cast<float>(i));
            sim->addEvent(13, 39, 0, static_cast<quint32>(i));
            QVERIFY(SimStation::waitFor([sim] { return sim->pendingFaults() == 0; }));
            // A good exchange before the next fault, so the link is never taken as lost.
            const quint64 frames = station_.driver()->stats().frames;
            QVERIFY(SimStation::waitFor([this, frames] { return station_.driver()->stats().frames > frames; }));
        }
        QVERIFY(SimStation::waitForValue(39, 19.0f));
        QCOMPARE(sim->value(39), 19.0f);
        QVERIFY(SimStation::waitFor([this] { return storeHasNewestSerial(); }));
        const auto events = station_.logEvent()->events();
        for (quint32 s = serial0 + 1; s <= sim->lastEventSerial(); ++s)
            QVERIFY2(events.contains(s), qPrintable(QString::number(s)));
        const SpiDriver::Stats after = station_.driver()->stats();
        QCOMPARE(after.timeouts - before.timeouts, quint64(10));
        QCOMPARE(after.crcErrors - before.crcErrors, quint64(10));
        QVERIFY(after.retries - before.retries >= 20);
        QCOMPARE(after.linkDowns, before.linkDowns);
    }

    void linkDownSlowsPollingAndRecovers()
    {
        // Taken on the SPI thread, at the time of the poll that changed the state.
        QObject ctx;
        std::atomic<int> changes{0};
        std::atomic<qint64> downAt{-1};
        std::atomic<qint64> upAt{-1};
        LinkClock* clock = station_.clock();
        connect(station_.driver(), &SpiDriver::signalLinkState, &ctx, [&, clock](bool up) {
            ++changes;
            (up ? upAt : downAt) = clock->nowMs();
        }, Qt::DirectConnection);
        const int requests0 = station_.sim()->requestsHandled();
        station_.sim()->dropReplies(8);
        QVERIFY(SimStation::waitFor([&upAt] { return upAt >= 0; }, 3000));
        QCOMPARE(changes.load(), 2);
        QVERIFY(downAt >= 0 && downAt < upAt);
        // 3 lost replies 15 ms apart take the link down; 5 more polls 100 ms apart are lost; the 6th is answered.
        QCOMPARE(upAt - downAt, qint64(600));
        QCOMPARE(station_.sim()->requestsHandled() - requests0, 9);
        station_.params()->set(39, 3.0f);
        QVERIFY(SimStation::waitForValue(39, 3.0f));
        QVERIFY(station_.driver()->isLinkUp());
    }

    void restartResynchronises()
    {
        QObject ctx;
        int finished = 0;
        connect(station_.driver(), &SpiDriver::signalSyncFinished, &ctx, [&finished] { ++finished; });
        const quint64 restarts = station_.driver()->stats().restarts;
        station_.sim()->restart();
        QVERIFY(SimStation::waitFor([&finished] { return finished == 1; }, 10000));
        QCOMPARE(station_.driver()->stats().restarts, restarts + 1);
        QCOMPARE(station_.logEvent()->events().size(), 512);
        QVERIFY(storeHasNewestSerial());
    }

    void archiveCommands()
    {
        Parameters* p = station_.params();
        // Copy: progress in 724/725, 594 reads 2 when done and the panel sets it back to 0.
        p->set(594, 1.0f);
        QVERIFY(SimStation::waitForValue(594, 1.0f));
        QVERIFY(SimStation::waitForValue(725, 100.0f));
        QVERIFY(station_.advance(2500));
        QVERIFY2(p->get(724) > 0.0f && p->get(724) < 100.0f, qPrintable(QString::number(p->get(724))));
        QCOMPARE(p->get(594), 1.0f);
        QVERIFY(station_.advance(3000));
        QVERIFY(SimStation::waitForValue(594, 0.0f));
        QCOMPARE(station_.sim()->value(594), 0.0f);
        // Delete: the journal is erased; 595 falling to 0 makes the store read it again.
        p->set(595, 1.0f);
        QVERIFY(SimStation::waitForValue(595, 1.0f));
        QVERIFY(station_.advance(3500));
        QVERIFY(SimStation::waitForValue(595, 0.0f));
        QVERIFY(SimStation::waitFor([this] { return station_.logEvent()->events().isEmpty(); }));
        // The 975 slot reads of the erased journal, 10 a poll.
        QVERIFY(station_.advance(100 * SpiDriver::kPollMs));
        QVERIFY(station_.logEvent()->events().isEmpty());
        station_.sim()->addEvent(1, 1, 0, 0);
        QVERIFY(SimStation::waitFor([this] { return station_.logEvent()->events().size() == 1; }));
        QVERIFY(storeHasNewestSerial());
        // Service archives.
        p->set(596, 1.0f);
        QVERIFY(SimStation::waitForValue(596, 1.0f));
        QVERIFY(station_.advance(2500));
        QVERIFY(SimStation::waitForValue(596, 0.0f));
    }

    void compressedLogRoutes()
    {
        Parameters* p = station_.params();
        p->set(1181, 3.0f);
        QVERIFY(SimStation::waitForValue(1182, 1.0f));
        QVERIFY(station_.advance(2500));
        QVERIFY(SimStation::waitForValue(1182, 2.0f));
        const QByteArray log = station_.sim()->compressedLog();
        QVERIFY(log.size() >= 2048 && log.size() <= 20 * 1024);
        QVERIFY(SimStation::waitForValue(1183, static_cast<float>(log.size())));

        QObject ctx;
        QList<QPair<QByteArray, QByteArray>> rn;
        QList<QPair<QByteArray, QByteArray>> plain;
        connect(station_.driver(), &SpiDriver::signalSpiResiveLogCompressRN, &ctx,
                [&rn](QByteArray h, QByteArray d) { rn.append({h, d}); });
        connect(station_.driver(), &SpiDriver::signalSpiResiveLogCompress, &ctx,
                [&plain](QByteArray h, QByteArray d) { plain.append({h, d}); });
        SpiDriver* d = station_.driver();
        QMetaObject::invokeMethod(d, "slotSpiRequestLogCompressRN", Q_ARG(QByteArray, logHeader(242, 242)));
        QMetaObject::invokeMethod(d, "slotSpiRequestLogCompress", Q_ARG(QByteArray, logHeader(log.size() - 100, 242)));
        QMetaObject::invokeMethod(d, "slotSpiRequestLogCompress", Q_ARG(QByteArray, logHeader(log.size(), 242)));
        QMetaObject::invokeMethod(d, "slotSpiRequestLogCompress", Q_ARG(QByteArray, QByteArray(7, '\0')));
        QVERIFY(SimStation::waitFor([&] { return rn.size() == 1 && plain.size() == 2; }));
        QCOMPARE(rn[0].first.size(), 15);
        QCOMPARE(le32(rn[0].first, 3), 242u);
        QCOMPARE(le32(rn[0].first, 11), 242u);
        QCOMPARE(rn[0].second, log.mid(242, 242));
        // A slice running past the end is cut; one starting at the end is empty.
        QCOMPARE(le32(plain[0].first, 11), 100u);
        QCOMPARE(plain[0].second, log.right(100));
        QCOMPARE(le32(plain[1].first, 11), 0u);
        QVERIFY(plain[1].second.isEmpty());
        p->set(1181, 0.0f);
        QVERIFY(SimStation::waitForValue(1182, 0.0f));
        QVERIFY(station_.advance(100));
        QCOMPARE(plain.size(), 2);  // the malformed header was not sent
    }

    void softwareBlocksAreCountedOnAcceptance()
    {
        SpiDriver* d = station_.driver();
        const quint32 taken = d->softwareBlocksTaken();
        const quint32 accepted = d->softwareBlocksAccepted();
        const quint32 refused = d->softwareBlocksRefused();
        const QByteArray a(160, 'a');
        const QByteArray b(82, 'b');
        QMetaObject::invokeMethod(d, "slotScadaSoftwareWrite", Q_ARG(QByteArray, softwareBlock(9, 0, a)));
        QMetaObject::invokeMethod(d, "slotScadaSoftwareWrite", Q_ARG(QByteArray, softwareBlock(9, 1, b)));
        QMetaObject::invokeMethod(d, "slotScadaSoftwareWrite", Q_ARG(QByteArray, softwareBlock(9, 0, b, 90)));
        QVERIFY(SimStation::waitFor([&] { return d->softwareWriteIdle(taken + 3); }));
        QVERIFY(SimStation::waitFor([&] { return d->softwareBlocksRefused() == refused + 1; }));
        QCOMPARE(d->softwareBlocksTaken(), taken + 3);
        QCOMPARE(d->softwareBlocksQueued(), d->softwareBlocksTaken());
        QCOMPARE(d->softwareBlocksAccepted(), accepted + 2);
        QCOMPARE(station_.sim()->softwareFile(9), a + b);
    }

    void quitWhileSynchronising()
    {
        station_.stop();
        QVERIFY(station_.startLink());
        QObject ctx;
        int progress = 0;
        connect(station_.driver(), &SpiDriver::signalSyncProgress, &ctx, [&progress](int done, int) { progress = done; });
        QVERIFY(SimStation::waitFor([&progress] { return progress > 0; }));
        QVERIFY(!station_.synced());
        // Stopped while the driver runs polls and waits on the main thread for each update.
        station_.clock()->advance(1000);
        QElapsedTimer t;
        t.start();
        station_.stop();
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(!station_.app()->spiDriver());
        // And the station comes up again.
        QVERIFY(station_.start());
    }

    void initialValuesFromEnvironmentString()
    {
        station_.stop();
        SimStation other(QStringLiteral("578=5;685=2;39=17;10001=59.97"), SimStation::Clock::Manual);
        other.addParameter(McSimCore::ParamSeed::make(39, 2, 0, 25, 0));
        other.addParameter(McSimCore::ParamSeed::make(578, 2, 0, 12, 0));
        other.addParameter(McSimCore::ParamSeed::make(685, 3, 0, 3, 1));
        other.addParameter(McSimCore::ParamSeed::make(10001, 1, 0, 100, 0, 1));
        QVERIFY(other.start());
        QCOMPARE(other.params()->get(578), 5.0f);
        QCOMPARE(other.params()->get(685), 2.0f);
        QCOMPARE(other.params()->get(39), 17.0f);
        // A chosen running value holds on the stopped station.
        QVERIFY(other.advance(3000));
        QCOMPARE(other.params()->get(10001), 59.97f);
        other.stop();
        SimStation broken(QStringLiteral("578=five"), SimStation::Clock::Manual);
        QVERIFY(!broken.start());
    }
};

RVK_TEST_MAIN(TestSpiDriver)
#include "tst_spidriver.moc"
