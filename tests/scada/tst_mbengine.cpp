#include <QTcpServer>
#include <QtTest>

#include <vector>

#include "scada/modbus/mb.h"
#include "scada/modbus/mbtcp.h"
#include "scada/modbus/mbutils.h"
#include "scada/modbus/portevent.h"
#include "support/scadatestmap.h"
#include "support/testmain.h"

#include <functional>

namespace {

eMBException customHandler(uint8_t* frame, uint16_t* len)
{
    frame[1] = 0x42;
    *len = 2;
    return MB_EX_NONE;
}

eMBException otherHandler(uint8_t*, uint16_t*)
{
    return MB_EX_ILLEGAL_DATA_ADDRESS;
}

QByteArray execute(const QByteArray& pduHex)
{
    uint8_t buf[256] = {};
    const QByteArray pdu = QByteArray::fromHex(pduHex);
    memcpy(buf, pdu.constData(), size_t(pdu.size()));
    uint16_t len = uint16_t(pdu.size());
    vMBExecute(buf, &len);
    return QByteArray(reinterpret_cast<const char*>(buf), len).toHex();
}

} // namespace

// The engine's state machine, event slot, handler table and helpers, driven on the SCADA thread.
class TestMbEngine : public QObject
{
    Q_OBJECT
private:
    quint16 port_ = 0;

    // Engine calls belong to the SCADA thread; the test map's polling is paused meanwhile.
    void onScadaThread(const std::function<void()>& fn)
    {
        QMetaObject::invokeMethod(ScadaTestMap::current(), fn, Qt::BlockingQueuedConnection);
    }

private slots:
    void initTestCase()
    {
        port_ = startScadaTestServer();
        QVERIFY(port_ != 0);
        ScadaTestMap::current()->setPaused(true);
    }

    void cleanupTestCase() { MainApplication::getInstance()->quitScada(); }

    void bitUtilities_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("readBack");
        QTest::newRow("across a byte") << QByteArray("0000a5") << 6 << 4 << 0x0F << QByteArray("c003a5") << 0x0F;
        QTest::newRow("clear across a byte") << QByteArray("ffffff") << 13 << 5 << 0 << QByteArray("ff1ffc") << 0;
        QTest::newRow("8 bits of the last byte") << QByteArray("a5") << 0 << 8 << 0x3C << QByteArray("3c") << 0x3C;
        QTest::newRow("last bit") << QByteArray("00") << 7 << 1 << 1 << QByteArray("80") << 1;
        QTest::newRow("value wider than the count") << QByteArray("00") << 2 << 3 << 0xFF << QByteArray("1c") << 7;
        QTest::newRow("count 0") << QByteArray("ff") << 3 << 0 << 1 << QByteArray("ff") << 0;
        QTest::newRow("count 9") << QByteArray("0000") << 0 << 9 << 0xFF << QByteArray("0000") << 0;
        QTest::newRow("count 255") << QByteArray("00") << 7 << 255 << 0xFF << QByteArray("00") << 0;
    }

    void bitUtilities()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, offset);
        QFETCH(int, count);
        QFETCH(int, value);
        QFETCH(QByteArray, after);
        QFETCH(int, readBack);
        const auto at = static_cast<uint16_t>(offset);
        const auto n = static_cast<uint8_t>(count);
        // Exactly the buffer's bytes (a touch past them trips the sanitizer build), then the same with a
        // guard byte behind them (a write past them shows in every build).
        const QByteArray start = QByteArray::fromHex(before);
        std::vector<uint8_t> exact(start.cbegin(), start.cend());
        xMBUtilSetBits(exact.data(), at, n, static_cast<uint8_t>(value));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(exact.data()), start.size()).toHex(), after);
        QCOMPARE(int(xMBUtilGetBits(exact.data(), at, n)), readBack);
        QByteArray guarded = start + '\x5a';
        xMBUtilSetBits(reinterpret_cast<uint8_t*>(guarded.data()), at, n, static_cast<uint8_t>(value));
        QCOMPARE(guarded.toHex(), after + "5a");
    }

    void errorMapping()
    {
        const int expected[] = {0, 2, 4, 4, 4, 4, 4, 6, 4, 4};
        for (int e = 0; e < 10; ++e)
            QCOMPARE(int(prveMBError2Exception(static_cast<eMBErrorCode>(e))), expected[e]);
    }

    void handlerTable()
    {
        QCOMPARE(eMBRegisterCB(0x80, customHandler), MB_ERR_INVALID);
        QCOMPARE(eMBRegisterCB(0x00, customHandler), MB_ERR_INVALID);
        // The one empty entry takes a new code; the table is then full for another handler.
        QCOMPARE(eMBRegisterCB(0x65, customHandler), MB_ERR_NONE);
        QCOMPARE(execute("65"), QByteArray("6542"));
        QCOMPARE(eMBRegisterCB(0x66, otherHandler), MB_ERR_NO_RESOURCES);
        QCOMPARE(execute("66"), QByteArray("e601"));
        // Registering the same handler again moves it to the new code.
        QCOMPARE(eMBRegisterCB(0x64, customHandler), MB_ERR_NONE);
        QCOMPARE(execute("65"), QByteArray("e501"));
        QCOMPARE(execute("64"), QByteArray("6442"));
        QCOMPARE(eMBRegisterCB(0x64, nullptr), MB_ERR_NONE);
        QCOMPARE(execute("64"), QByteArray("e401"));
        QCOMPARE(eMBRegisterCB(0x64, nullptr), MB_ERR_NONE);
        // The standard handlers stand before the freed entry.
        QCOMPARE(execute("11"), QByteArray("1100"));
    }

    void slaveIdStore()
    {
        QByteArray extra(30, 'x');
        QCOMPARE(eMBSetSlaveID(7, true, reinterpret_cast<const uint8_t*>(extra.constData()), 30), MB_ERR_NO_RESOURCES);
        QCOMPARE(execute("11"), QByteArray("1100"));
        QCOMPARE(eMBSetSlaveID(7, true, reinterpret_cast<const uint8_t*>(extra.constData()), 29), MB_ERR_NONE);
        QCOMPARE(execute("11"), QByteArray("111f07ff") + QByteArray(29, 'x').toHex());
        QCOMPARE(eMBSetSlaveID(9, false, nullptr, 0), MB_ERR_NONE);
        QCOMPARE(execute("11"), QByteArray("11020900"));
    }

    void stateMachineAndTwoStepPoll()
    {
        onScadaThread([] {
            // The running test map left the engine enabled.
            QCOMPARE(eMBGetState(), MB_STATE_ENABLED);
            QCOMPARE(eMBClose(), MB_ERR_STATE);
            QCOMPARE(eMBEnable(), MB_ERR_STATE);
            QCOMPARE(eMBDisable(), MB_ERR_NONE);
            QCOMPARE(eMBDisable(), MB_ERR_NONE);
            QCOMPARE(eMBClose(), MB_ERR_NONE);

            // Polling a disabled engine takes nothing from the slot.
            xMBPortEventPost(EV_FRAME_RECEIVED);
            QCOMPARE(eMBPoll(), MB_ERR_STATE);
            eMBEventType ev = EV_READY;
            QVERIFY(xMBPortEventGet(&ev));
            QCOMPARE(ev, EV_FRAME_RECEIVED);
            QVERIFY(!xMBPortEventGet(&ev));

            QCOMPARE(eMBEnable(), MB_ERR_NONE);
            const QByteArray req = QByteArray::fromHex("0007000000060103000a0002");
            memcpy(aucTCPBuf, req.constData(), size_t(req.size()));
            usTCPBufPos = uint16_t(req.size());
            // Two posts leave one event: one step receives, the next executes.
            xMBPortEventPost(EV_FRAME_RECEIVED);
            xMBPortEventPost(EV_FRAME_RECEIVED);
            QCOMPARE(eMBPoll(), MB_ERR_NONE);
            QCOMPARE(QByteArray(reinterpret_cast<char*>(aucTCPBuf), 12).toHex(), req.toHex());
            QCOMPARE(usTCPBufPos, uint16_t(0));
            QCOMPARE(eMBPoll(), MB_ERR_NONE);
            QCOMPARE(QByteArray(reinterpret_cast<char*>(aucTCPBuf), 13).toHex(),
                     QByteArray("000700000007010304000a000b"));
            QCOMPARE(eMBPoll(), MB_ERR_NONE);
            QVERIFY(!xMBPortEventGet(&ev));

            // A frame without a function code is dropped, not executed.
            const QByteArray empty = QByteArray::fromHex("00080000000101");
            memcpy(aucTCPBuf, empty.constData(), size_t(empty.size()));
            usTCPBufPos = uint16_t(empty.size());
            xMBPortEventPost(EV_FRAME_RECEIVED);
            QCOMPARE(eMBPoll(), MB_ERR_NONE);
            QVERIFY(!xMBPortEventGet(&ev));
        });
    }

    void initOnBusyPortFails()
    {
        QTcpServer blocker;
        QVERIFY(blocker.listen(QHostAddress::Any, 0));
        const quint16 busy = blocker.serverPort();
        onScadaThread([this, busy] {
            QCOMPARE(eMBDisable(), MB_ERR_NONE);
            QCOMPARE(eMBTCPInit(busy), MB_ERR_PORT);
            QCOMPARE(eMBGetState(), MB_STATE_DISABLED);
            QCOMPARE(eMBTCPInit(port_), MB_ERR_NONE);
            QCOMPARE(eMBEnable(), MB_ERR_NONE);
        });
        ScadaTestMap::current()->setPaused(false);
    }
};

RVK_TEST_MAIN(TestMbEngine)
#include "tst_mbengine.moc"
