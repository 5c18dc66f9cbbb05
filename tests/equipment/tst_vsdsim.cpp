// The drive screens on the simulated main controller: the commands they write are carried out and reported back.
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "equipment/vsd_connect_form.h"
#include "equipment/vsd_service_hardware_form.h"
#include "equipment/vsd_service_menu.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

namespace {

// Presses the row labelled `label`, the next question answered "Да".
void press(BaseForm* form, const QString& label)
{
    const QList<RowInfo> rows = UiInspect::rows(form);
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).label == label) {
            form->setCurrentRow(row);
            DialogGate::setNextAnswer(1);
            QTest::keyClick(form, Qt::Key_Return);
            DialogGate::clearAnswers();
            return;
        }
    }
    QFAIL(qPrintable("no row " + label));
}

} // namespace

class TestVsdSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The own drive, passwords off, the motor stopped.
        station_.reset(new SimStation(QStringLiteral("685=1;571=0;572=4;13=0"), SimStation::Clock::Manual));
        QVERIFY(station_->start());
    }
    void cleanupTestCase()
    {
        station_->stop();
        station_.reset();
    }

    void linkCountersResetAndPortApplied()
    {
        UiFixture ui;
        Parameters* params = ui.params();
        auto* form = new VsdConnectForm;
        ui.window()->addForm(form, 0);

        // The controller counts its polls of the drive.
        QVERIFY(SimStation::waitFor([params] { return params->get(891) >= 30.0f; }, 10000));
        const float before = params->get(891);
        press(form, "Сбросить счётчики");
        QVERIFY(SimStation::waitFor([params, before] { return params->get(891) < before; }));
        QCOMPARE(station_->sim()->value(913), 0.0f);

        // Applying the port settings: the controller reports 761 while it works, the wait dialog shows meanwhile.
        qint64 now = 0;
        UiClock::setClock([&now] { return now; });
        press(form, "Применить настройки порта");
        QVERIFY(SimStation::waitForValue(761, 1.0f));
        const auto dialogs = [&ui] { return ui.window()->findChildren<ProgressBarDialog*>(); };
        QCOMPARE(dialogs().size(), 1);
        QTRY_VERIFY(dialogs().first()->isVisible());
        now = 20000;
        QVERIFY(SimStation::waitForValue(761, 0.0f));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dialogs().size(), 0);
    }

    void driveSettingsBackToDefaults()
    {
        station_->sim()->setValue(685, 3.0f);
        QVERIFY(SimStation::waitForValue(685, 3.0f));
        UiFixture ui;
        UiClock::setResetWaitMs(50);
        Parameters* params = ui.params();
        params->set(10087, 12.5f);
        QVERIFY(SimStation::waitForValue(10087, 12.5f));

        auto* menu = new VsdServiceMenu;
        ui.window()->addForm(menu, 0);
        press(menu, "Сбросить уставки по умолчанию");
        QPointer<ProgressBarDialog> wait = ui.window()->findChild<ProgressBarDialog*>();
        QVERIFY(wait);
        QVERIFY(SimStation::waitForValue(10087, 0.0f));
        QCOMPARE(station_->sim()->value(772), 0.0f);
        QTRY_VERIFY(wait.isNull());
    }

    void proxyResetOverTheLink()
    {
        station_->sim()->setValue(685, 1.0f);
        station_->sim()->setValue(10538, 5.0f);
        QVERIFY(SimStation::waitForValue(10538, 5.0f));
        UiFixture ui;
        auto* hardware = new VsdServiceHardwareForm;
        ui.window()->addForm(hardware, 0);
        // The reset goes as 2; having reset the proxy the controller clears the register.
        press(hardware, "Сбросить прокси");
        QVERIFY(SimStation::waitForValue(10538, 0.0f));
    }

private:
    QScopedPointer<SimStation> station_;
};

RVK_TEST_MAIN(TestVsdSim)
#include "tst_vsdsim.moc"
