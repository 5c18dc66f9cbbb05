#include <QThread>

#include "link/linkclock.h"
#include "link/spidevtransport.h"
#include "link/spidriver.h"
#include "support/simstation.h"
#include "support/testmain.h"

class TestSpidevTransport : public QObject
{
    Q_OBJECT
private slots:
    void openFailsWithAReason()
    {
        SpidevTransport missing(QStringLiteral("/nonexistent/spidev9.9"));
        QString error;
        QVERIFY(!missing.open(&error));
        QVERIFY(error.contains(QLatin1String("/nonexistent/spidev9.9")));
        QByteArray rx("x");
        QVERIFY(!missing.exchange(QByteArray("\x7E\x00\x7E", 3), &rx, 50));
        QVERIFY(rx.isEmpty());
        // A file that is not an SPI device refuses the set-up.
        SpidevTransport notSpi(QStringLiteral("/dev/null"));
        QVERIFY(!notSpi.open(&error));
        QVERIFY(error.contains(QLatin1String("setup")));
    }

    void driverWithoutDeviceReportsLinkDownAndStops()
    {
        QThread thread;
        auto* driver = new SpiDriver(new SpidevTransport(QStringLiteral("/nonexistent/spidev9.9")));
        auto clock = std::make_shared<LinkClock>();
        driver->setClock(clock);
        driver->moveToThread(&thread);
        QObject ctx;
        QVector<bool> states;
        connect(driver, &SpiDriver::signalLinkState, &ctx, [&states](bool up) { states.append(up); });
        connect(&thread, &QThread::started, driver, &SpiDriver::process);
        thread.start();
        // Down after three failed polls; a second of polls at the slow rate reports nothing more.
        QVERIFY(SimStation::runClock(clock.get(), 3 * SpiDriver::kPollMs));
        QCOMPARE(states, QVector<bool>({false}));
        QVERIFY(SimStation::runClock(clock.get(), 1000));
        QCOMPARE(states, QVector<bool>({false}));
        QVERIFY(!driver->isLinkUp());
        driver->requestStop();
        thread.quit();
        QVERIFY(thread.wait(2000));
        delete driver;
    }
};

RVK_TEST_MAIN(TestSpidevTransport)
#include "tst_spidevtransport.moc"
