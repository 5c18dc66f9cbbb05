#include <QTcpServer>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "link/spidriver.h"
#include "scada/scada_valdrin.h"
#include "support/modbustestclient.h"
#include "support/simstation.h"
#include "support/testmain.h"

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QByteArray be32(quint32 v)
{
    QByteArray out;
    for (int i = 3; i >= 0; --i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

QByteArray le32(quint32 v)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

quint32 getLe32(const QByteArray& in, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(in.at(at + i));
    return v;
}

// One request; the main thread keeps serving the link (the mirror's updates) meanwhile. The response
// PDU, or "" when none came within 7 s.
QByteArray ask(ModbusTestClient& master, const QByteArray& pdu)
{
    master.send(ModbusTestClient::frame(1, 1, pdu));
    QTcpSocket& socket = master.socket();
    if (!SimStation::waitFor([&socket] { return socket.bytesAvailable() >= 7 || socket.waitForReadyRead(1); }, 7000))
        return QByteArray();
    const QByteArray header = master.receive(7);
    if (header.size() < 7)
        return QByteArray();
    return master.receive(((quint8(header[4]) << 8) | quint8(header[5])) - 1);
}

} // namespace

class TestScadaValdrinLink : public QObject
{
    Q_OBJECT
private slots:
    // A master fetches the controller's whole compressed log over 0x41 and 0x42, while every slice is
    // preceded by the reply to another request of the same size (the service tool's, or a late one).
    void wholeLogThroughTheLink()
    {
        const quint16 port = freePort();
        qputenv("RVK_SCADA_PORT", QByteArray::number(port));
        SimStation station("578=1;580=17");
        QVERIFY(station.start());
        MainApplication* app = station.app();
        QVERIFY(SimStation::waitFor([app] { return app->scada() != nullptr; }));
        ModbusTestClient master(port);
        QVERIFY(SimStation::waitFor([&master] { return master.connectToServer(100); }, 3000));
        QVERIFY(SimStation::waitFor([&master] { return ask(master, QByteArray::fromHex("0300010001")).toHex() == "030200" "11"; }, 3000));

        QCOMPARE(ask(master, QByteArray::fromHex("410001")).toHex(), QByteArray("410001"));
        QVERIFY(SimStation::waitForValue(1182, 2.0f, 10000));
        const QByteArray log = station.sim()->compressedLog();
        QVERIFY(log.size() > 1000);
        QVERIFY(SimStation::waitForValue(1183, static_cast<float>(log.size())));
        // Compressed again; not while it is under way.
        QCOMPARE(ask(master, QByteArray::fromHex("410001")).toHex(), QByteArray("410001"));
        QVERIFY(SimStation::waitForValue(1182, 1.0f));
        QCOMPARE(ask(master, QByteArray::fromHex("410001")).toHex(), QByteArray("c104"));
        QVERIFY(SimStation::waitForValue(1182, 2.0f, 10000));
        const QByteArray fresh = station.sim()->compressedLog();
        QVERIFY(fresh != log);
        QVERIFY(SimStation::waitForValue(1183, static_cast<float>(fresh.size())));

        // Each slice request is followed on the SPI thread by the reply to another slice of the same size
        // (a late one, or the service tool's): it lands while the map waits for its own.
        SpiDriver* driver = station.driver();
        auto* map = qobject_cast<ScadaValdrin*>(app->scada());
        QVERIFY(map);
        int strays = 0;
        const QMetaObject::Connection stray = connect(map, &ScadaValdrin::signalScadaRequestCompressLog, driver,
            [driver, &fresh, &strays](QByteArray request) {
                const quint32 asked = getLe32(request, 3);
                const quint32 count = getLe32(request, 7);
                const quint32 offset = asked >= count ? asked - count : asked + count;
                const QByteArray header = QByteArray::fromHex("00ffff") + le32(offset) + le32(count) + le32(count);
                const QByteArray data = fresh.mid(static_cast<int>(offset), static_cast<int>(count));
                QMetaObject::invokeMethod(driver, [driver, header, data, &strays] {
                    ++strays;
                    emit driver->signalSpiResiveLogCompress(header, data);
                }, Qt::QueuedConnection);
            }, Qt::DirectConnection);
        QByteArray fetched;
        const int size = fresh.size();
        for (int offset = 0; offset < size; offset += 200) {
            const int count = qMin(200, size - offset);
            const QByteArray reply = ask(master, "\x42" + be32(static_cast<quint32>(offset)) + '\0' + char(count));
            QCOMPARE(reply.left(2).toHex(), QByteArray("42") + QByteArray(1, char(count)).toHex());
            fetched += reply.mid(2);
        }
        disconnect(stray);
        QCOMPARE(strays, (size + 199) / 200);
        QCOMPARE(fetched.size(), fresh.size());
        QVERIFY(fetched == fresh);
        QCOMPARE(ask(master, "\x42" + be32(static_cast<quint32>(size - 1)) + '\0' + char(2)).toHex(), QByteArray("c204"));

        QCOMPARE(ask(master, QByteArray::fromHex("410002")).toHex(), QByteArray("41"));
        QVERIFY(SimStation::waitForValue(1183, 0.0f));
        QCOMPARE(ask(master, QByteArray::fromHex("42" "00000000" "00" "0a")).toHex(), QByteArray("c204"));
        app->quitScada();
    }
};

RVK_TEST_MAIN(TestScadaValdrinLink)
#include "tst_scadavaldrinlink.moc"
