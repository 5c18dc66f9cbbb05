// Closing the splash screen before the first synchronisation ends quits the program.
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "ui/splashscreen.h"

class TestSplashQuit : public QObject
{
    Q_OBJECT

private slots:
    void dismissedSplashQuits();
};

void TestSplashQuit::dismissedSplashQuits()
{
    MainApplication* app = MainApplication::getInstance();
    // Only the dismissal itself may end the program here.
    app->setQuitOnLastWindowClosed(false);
    MainApplication::Options options;
    options.windowed = true;
    QVERIFY(app->init(options));

    SplashScreen* splash = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* s = qobject_cast<SplashScreen*>(w))
            splash = s;
    }
    QVERIFY(splash);
    QVERIFY(splash->isVisible());

    bool synchronisedAtDismissal = true;
    QTimer::singleShot(0, splash, [&] {
        synchronisedAtDismissal = app->params()->isSynchronized();
        QTest::keyClick(splash, Qt::Key_Escape);
    });
    // Bounded: a panel that did not quit is stopped with another code.
    QTimer::singleShot(20000, app, [app] { app->exit(7); });
    const int code = app->exec();

    QVERIFY(!synchronisedAtDismissal);
    QCOMPARE(code, 0);
    QVERIFY(!app->mainWindow());
}

RVK_TEST_MAIN(TestSplashQuit)
#include "tst_splashquit.moc"
