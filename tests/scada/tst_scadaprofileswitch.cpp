#include <QTcpServer>
#include <QThread>

#include <atomic>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "scada/scada.h"
#include "scada/scadafactory.h"
#include "support/modbustestclient.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

namespace {

std::atomic<int> mapsCreated{0};
std::atomic<int> mapsDestroyed{0};
std::atomic<int> initFailures{0};
QtMessageHandler previousHandler = nullptr;

void countMaps(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("create: Scada"))
        ++mapsCreated;
    else if (message == QLatin1String("~Scada"))
        ++mapsDestroyed;
    else if (message == QLatin1String("Scada: error init modbus stack - 3!"))
        ++initFailures;
    else if (type != QtDebugMsg && previousHandler)
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

// Stands in for the profile-4 map: on its own thread it calls the register callbacks and
// records the register numbers that reach it.
class ProbeMap : public Scada
{
public:
    static QVector<int> seen;
    static std::atomic<bool> done;
    void process() override
    {
        bindEngine();
        uint8_t buf[4] = {};
        // Register numbers arrive as the PDU address + 1.
        eMBRegHoldingCB(buf, 1, 1, MB_REG_READ);
        eMBRegInputCB(buf, 1, 1);
        eMBRegHoldingCB(buf, 40001, 1, MB_REG_READ);
        eMBRegHoldingCB(buf, 1, 1, MB_REG_WRITE);
        done.store(true);
    }
    eMBErrorCode readReg(uint8_t*, uint16_t address, uint16_t) override
    {
        seen.append(address);
        return MB_ERR_NONE;
    }
    eMBErrorCode writeReg(uint8_t*, uint16_t address, uint16_t) override
    {
        seen.append(-address);
        return MB_ERR_NONE;
    }
};
QVector<int> ProbeMap::seen;
std::atomic<bool> ProbeMap::done{false};

} // namespace


class TestScadaProfileSwitch : public QObject
{
    Q_OBJECT
private slots:
    // In place of the profile-4 map of the program.
    void initTestCase() { ScadaFactory::registerProfile(4, [] { return static_cast<Scada*>(new ProbeMap()); }); }

    void switchingLeavesOneMapListening()
    {
        const quint16 port = freePort();
        qputenv("RVK_SCADA_PORT", QByteArray::number(port));
        previousHandler = qInstallMessageHandler(countMaps);

        // The controller's updates of 578 arrive on the main thread, as from the SPI driver.
        MainApplication* app = MainApplication::getInstance();
        scadatest::setValue(580, 17.0f);
        scadatest::setValue(578, 3.0f);
        QTRY_VERIFY_WITH_TIMEOUT(app->scada() != nullptr, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(readOnce(port), QByteArray("03020011"), 3000);

        // A master stays connected across the switches.
        ModbusTestClient master(port);
        QVERIFY(master.connectToServer());
        QCOMPARE(master.transact("0302430001"), QByteArray("03020011"));

        const struct {
            float profile;
            bool listening;
        } steps[] = {{0.0f, false}, {3.0f, true}, {13.0f, false}, {3.0f, true}, {3.0f, true}};
        for (const auto& step : steps) {
            scadatest::setValue(578, step.profile);
            QTRY_COMPARE_WITH_TIMEOUT(app->scada() != nullptr, step.listening, 5000);
            // The old map is deleted on the SCADA thread before the new one listens.
            QTRY_COMPARE_WITH_TIMEOUT(readOnce(port), QByteArray(step.listening ? "03020011" : "refused"), 3000);
            QTRY_VERIFY_WITH_TIMEOUT(mapsCreated - mapsDestroyed <= 1, 3000);
        }
        QCOMPARE(mapsCreated - mapsDestroyed, 1);
        QCOMPARE(mapsCreated.load(), 3);
        QVERIFY(master.waitForClosed(5000));

        app->quitScada();
        QCOMPARE(mapsCreated - mapsDestroyed, 0);
        QCOMPARE(readOnce(port), QByteArray("refused"));
        qInstallMessageHandler(previousHandler);
    }

    void takenPortWarnsOnceAndTheNextProfileRetries()
    {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::Any, 0));
        const quint16 port = squatter.serverPort();
        qputenv("RVK_SCADA_PORT", QByteArray::number(port));
        previousHandler = qInstallMessageHandler(countMaps);
        initFailures = 0;
        MainApplication* app = MainApplication::getInstance();
        scadatest::setValue(578, 0.0f);
        scadatest::setValue(578, 3.0f);
        QTRY_COMPARE_WITH_TIMEOUT(initFailures.load(), 1, 3000);
        // Warned once: a second warning would come within this look (a busy machine only looks less long).
        QTest::qWait(300);
        QCOMPARE(initFailures.load(), 1);
        QVERIFY(app->scada() != nullptr);

        squatter.close();
        scadatest::setValue(578, 0.0f);
        scadatest::setValue(578, 3.0f);
        QTRY_COMPARE_WITH_TIMEOUT(readOnce(port), QByteArray("03020011"), 3000);
        QCOMPARE(initFailures.load(), 1);
        app->quitScada();
        qInstallMessageHandler(previousHandler);
    }

    void profileFourPlacesHoldingAndInputApart()
    {
        MainApplication* app = MainApplication::getInstance();
        scadatest::setValue(578, 4.0f);
        QTRY_VERIFY_WITH_TIMEOUT(ProbeMap::done.load(), 5000);
        QCOMPARE(ProbeMap::seen, (QVector<int>{30001, 40001, 4465, -30001}));
        app->quitScada();
    }
};

RVK_TEST_MAIN(TestScadaProfileSwitch)
#include "tst_scadaprofileswitch.moc"
