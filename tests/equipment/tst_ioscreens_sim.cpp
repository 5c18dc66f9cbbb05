// The bypass contactors reached with the panel keys from the main menu (with the reference drive), the
// synchronisation commanded there and carried out by the simulated main controller, and the way back.
#include <QtTest>

#include "app/parameters.h"
#include "screens/mainmenu.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/uiclock.h"

class TestIoScreensSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        station_.reset(new SimStation(QStringLiteral("571=0;572=0;685=3;1644=1;10504=0"),
                                      SimStation::Clock::Manual));
        QVERIFY(station_->start());
    }
    void cleanupTestCase()
    {
        station_->stop();
        station_.reset();
    }
    void init()
    {
        ui_.reset(new UiFixture);
        UiClock::setRebuildDelayMs(20);
        ui_->window()->addForm(new MainMenu(nullptr), 0);
    }
    void cleanup() { ui_.reset(); }

    void bypassSynchronises();

private:
    MainWindow* window() const { return ui_->window(); }
    BaseForm* current() const { return window()->currentForm(); }
    void key(int k);
    // Moves the cursor with Down to the row labelled `label` and presses Return on it.
    void press(const QString& label);

    QScopedPointer<SimStation> station_;
    std::unique_ptr<UiFixture> ui_;
};

void TestIoScreensSim::key(int k)
{
    UiFixture::key(window(), k);
}

void TestIoScreensSim::press(const QString& label)
{
    for (int i = 0; i < current()->rowCount() && UiInspect::row(current(), current()->currentRow()).label != label;
         ++i)
        key(Qt::Key_Down);
    QCOMPARE(UiInspect::row(current(), current()->currentRow()).label, label);
    key(Qt::Key_Return);
}

void TestIoScreensSim::bypassSynchronises()
{
    press(QStringLiteral("Оборудование"));
    press(QStringLiteral("Байпасные контакторы"));
    QCOMPARE(UiInspect::currentClass(window()), QStringLiteral("BypassContactorsForm"));
    QCOMPARE(UiInspect::row(current(), 2).value, QStringLiteral("Не синхр."));
    DialogGate::setNextAnswer(1);
    press(QStringLiteral("Синхронизация с сетью"));
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message, QStringLiteral("Синхронизировать с сетью?")), 1);
    QVERIFY(SimStation::waitForValue(10507, 1.0f));
    QVERIFY(SimStation::waitForValue(10504, 0.0f));
    QTRY_COMPARE(UiInspect::row(current(), 2).value, QStringLiteral("Норма"));

    key(Qt::Key_Escape);
    QCOMPARE(UiInspect::currentClass(window()), QStringLiteral("EquipmentMenu"));
    QCOMPARE(UiInspect::row(current(), current()->currentRow()).label, QStringLiteral("Байпасные контакторы"));
}

RVK_TEST_MAIN(TestIoScreensSim)
#include "tst_ioscreens_sim.moc"
