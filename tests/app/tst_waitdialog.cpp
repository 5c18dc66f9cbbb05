// The wait dialog of the settings that the controller takes a while to apply (761, 1031, 1394, 1729): it opens
// 100 ms after the first report, one at a time, and closes on the report of 0, the port settings (761) not before
// 20 s after it opened.
#include <QtTest>

#include "app/mainapplication.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

class TestWaitDialog : public QObject
{
    Q_OBJECT

private slots:
    void opensAndClosesOneAtATime_data()
    {
        // Each step "ms id value": at that time of the panel's clock the parameter is reported.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("open");
        // Still open a moment later.
        QTest::addColumn<bool>("stays");

        QTest::newRow("opens once") << QStringList{"0 761 1", "10 761 1"} << true << true;
        QTest::newRow("closes on 0") << QStringList{"0 1031 1", "500 1031 0"} << false << false;
        QTest::newRow("0 without a dialog") << QStringList{"0 1729 0"} << false << false;
        QTest::newRow("port settings: 20 s") << QStringList{"0 761 1", "5000 761 0"} << true << true;
        QTest::newRow("port settings: to the 20th second")
            << QStringList{"0 761 1", "19950 761 0"} << true << false;
        QTest::newRow("port settings: after 20 s") << QStringList{"0 761 1", "20000 761 0"} << false << false;
        QTest::newRow("other commands wait for the first")
            << QStringList{"0 1394 1", "10 1031 1", "20 1729 1", "30 1394 0"} << false << false;
        QTest::newRow("asked again while closing")
            << QStringList{"0 761 1", "19950 761 0", "19960 761 1"} << true << true;
        QTest::newRow("asked by another while closing")
            << QStringList{"0 761 1", "19950 761 0", "19960 1031 1", "19970 1031 0"} << true << false;
        QTest::newRow("closed again after asked again")
            << QStringList{"0 761 1", "19950 761 0", "19960 761 1", "30000 761 0"} << false << false;
    }

    void opensAndClosesOneAtATime()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, open);
        QFETCH(bool, stays);
        UiFixture ui;
        qint64 now = 0;
        UiClock::setClock([&now] { return now; });
        MainApplication* app = MainApplication::getInstance();
        for (const QString& step : steps) {
            const QStringList f = step.split(' ');
            now = f.at(0).toLongLong();
            app->slotShowWaitDialog(static_cast<quint16>(f.at(1).toUInt()), f.at(2) != "0");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const auto dialogs = [&ui] { return ui.window()->findChildren<ProgressBarDialog*>(); };
        QCOMPARE(dialogs().size(), open ? 1 : 0);
        if (!open)
            return;
        QPointer<ProgressBarDialog> dialog = dialogs().first();
        QCOMPARE(dialog->text(), QString("Ожидание применения..."));
        // Shown 100 ms after it was made.
        QVERIFY(!dialog->isVisible());
        ui.settle(300);
        QCOMPARE(!dialog.isNull(), stays);
        if (stays) {
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialogs().size(), 1);
        }
    }
};

RVK_TEST_MAIN(TestWaitDialog)
#include "tst_waitdialog.moc"
