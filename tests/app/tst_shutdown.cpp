// At shutdown the service socket stops accepting and closes its clients before the link they talk to goes.
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "link/socketserverhost.h"
#include "link/spidriver.h"
#include "support/testmain.h"

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void serviceSocketGoesBeforeTheLink();
};

void TestShutdown::serviceSocketGoesBeforeTheLink()
{
    // No register map: the test needs no Modbus port.
    qputenv("RVK_SIM_VALUES", "578=0");
    MainApplication* app = MainApplication::getInstance();
    MainApplication::Options options;
    options.gui = false;
    QVERIFY(app->init(options));
    QTRY_VERIFY_WITH_TIMEOUT(app->params()->isSynchronized(), 30000);
    auto* host = app->findChild<SocketServerHost*>();
    QVERIFY(host);
    QVERIFY(app->spiDriver());

    QStringList gone;
    connect(host, &QObject::destroyed, [&gone] { gone << QStringLiteral("service socket"); });
    connect(app->spiDriver(), &QObject::destroyed, [&gone] { gone << QStringLiteral("link"); });
    app->quitApplication();
    QCOMPARE(gone, QStringList({QStringLiteral("service socket"), QStringLiteral("link")}));
}

RVK_TEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
