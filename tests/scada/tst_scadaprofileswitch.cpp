#include <QTcpServer>
#include <QThread>

#include <atomic>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "scada/scada.h"
#include "support/modbustestclient.h"
#include "support/simstation.h"
#include "support/testmain.h"

namespace {

std::atomic<int> mapsCreated{0};
std::atomic<int> mapsDestroyed{0};
QtMessageHandler previousHandler = nullptr;

void countMaps(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("create: Scada"))
        ++mapsCreated;
    else if (message == QLatin1String("~Scada"))
        ++mapsDestroyed;
    if (type != QtDebugMsg && previousHandler)
        previousHandler(type, context, message);
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A read of register 258 (the slave address) through a fresh connection.
QByteArray readOnce(quint16 port)
{
    ModbusTestClient client(port);
    if (!client.connectToServer(1000))
        return "refused";
    return client.transact("0302430001", 1, 1, 1000);
}

} // namespace

class TestScadaProfileSwitch : public QObject
{
    Q_OBJECT
private slots:
    void switchingLeavesOneMapListening()
    {
        const quint16 port = freePort();
        qputenv("RVK_SCADA_PORT", QByteArray::number(port));
        previousHandler = qInstallMessageHandler(countMaps);

        SimStation station("578=3;580=17");
        QVERIFY(station.start());
        MainApplication* app = station.app();
        QVERIFY(SimStation::waitFor([app] { return app->scada() != nullptr; }));
        SimStation::waitFor([port] { return readOnce(port) == "03020011"; }, 3000);
        QCOMPARE(readOnce(port), QByteArray("03020011"));

        // A master stays connected across the switches.
        ModbusTestClient master(port);
        QVERIFY(master.connectToServer());
        QCOMPARE(master.transact("0302430001"), QByteArray("03020011"));

        const struct {
            float profile;
            bool listening;
        } steps[] = {{0.0f, false}, {3.0f, true}, {5.0f, false}, {3.0f, true}, {3.0f, true}};
        for (const auto& step : steps) {
            station.params()->set(578, step.profile);
            QVERIFY(SimStation::waitForValue(578, step.profile));
            QVERIFY(SimStation::waitFor([app, step] { return (app->scada() != nullptr) == step.listening; }));
            if (step.listening) {
                QVERIFY(SimStation::waitFor([port] { return readOnce(port) == "03020011"; }, 3000));
            } else {
                // The old map is deleted on the SCADA thread; then nothing listens.
                QVERIFY(SimStation::waitFor([port] { return readOnce(port) == "refused"; }, 3000));
            }
            QVERIFY(SimStation::waitFor([] { return mapsCreated - mapsDestroyed <= 1; }, 3000));
        }
        QCOMPARE(mapsCreated - mapsDestroyed, 1);
        QCOMPARE(mapsCreated.load(), 3);
        QVERIFY(master.waitForClosed(100) || master.socket().state() != QAbstractSocket::ConnectedState);

        app->quitScada();
        QCOMPARE(mapsCreated - mapsDestroyed, 0);
        QCOMPARE(readOnce(port), QByteArray("refused"));
        station.stop();
        qInstallMessageHandler(previousHandler);
    }
};

RVK_TEST_MAIN(TestScadaProfileSwitch)
#include "tst_scadaprofileswitch.moc"
