#include <QSignalSpy>

#include "log/log_event.h"
#include "support/testmain.h"

namespace {

QByteArray record(quint32 serial, quint8 code, quint16 id = 0)
{
    QByteArray r(LogEvent::kRecordSize, '\0');
    for (int i = 0; i < 4; ++i)
        r[i] = static_cast<char>((serial >> (8 * i)) & 0xFF);
    r[8] = static_cast<char>(code);
    r[10] = static_cast<char>(id & 0xFF);
    r[11] = static_cast<char>(id >> 8);
    return r;
}

} // namespace

class TestLogEvent : public QObject
{
    Q_OBJECT
private slots:
    void fullResyncRequestsEverySlotInOrder()
    {
        LogEvent store;
        store.slotNewEvent(record(5, 1));
        QSignalSpy reads(&store, &LogEvent::signalEventRead);
        store.syncAllEvent();
        QVERIFY(store.events().isEmpty());
        QCOMPARE(reads.size(), 975);
        QCOMPARE(reads.at(0).at(0).toUInt(), 0u);
        QCOMPARE(reads.at(194).at(0).toUInt(), 194u * 21u);
        QCOMPARE(reads.at(195).at(0).toUInt(), 4096u);
        QCOMPARE(reads.at(974).at(0).toUInt(), 4u * 4096u + 194u * 21u);
    }

    void refusesInvalidCodesAndRepeatedSerials()
    {
        LogEvent store;
        QSignalSpy accepted(&store, &LogEvent::signalNewEvent);
        store.slotNewEvent(QByteArray(21, '\xFF'));
        store.slotNewEvent(QByteArray(21, '\0'));
        store.slotNewEvent(record(1, 110));
        store.slotNewEvent(QByteArray(8, '\x01'));  // too short to carry a code
        QCOMPARE(accepted.size(), 0);
        store.slotNewEvent(record(1, 109));
        store.slotNewEvent(record(2, 1));
        QByteArray changed = record(2, 5, 77);
        store.slotNewEvent(changed);
        QCOMPARE(accepted.size(), 2);
        QCOMPARE(LogEvent::idOf(store.events().value(2)), quint16(0));
    }

    void keepsThe512HighestSerialsUnsigned()
    {
        LogEvent store;
        QSignalSpy accepted(&store, &LogEvent::signalNewEvent);
        // Arrival order mixed; serials straddle the sign bit.
        for (quint32 i = 0; i < 975; ++i) {
            const quint32 k = (i * 389u) % 975u;
            store.slotNewEvent(record(2147483000u + k, 1));
        }
        QCOMPARE(accepted.size(), 975);
        const auto events = store.events();
        QCOMPARE(events.size(), 512);
        QCOMPARE(events.firstKey(), 2147483000u + 975u - 512u);
        QCOMPARE(events.lastKey(), 2147483000u + 974u);

        // A record below all stored ones is inserted, dropped at once, and still announced.
        const int before = accepted.size();
        store.slotNewEvent(record(7, 1));
        QCOMPARE(accepted.size(), before + 1);
        QVERIFY(!store.events().contains(7));
        store.slotNewEvent(record(4294967295u, 2));
        QCOMPARE(store.events().lastKey(), 4294967295u);
        QCOMPARE(store.events().size(), 512);
    }
};

RVK_TEST_MAIN(TestLogEvent)
#include "tst_logevent.moc"
