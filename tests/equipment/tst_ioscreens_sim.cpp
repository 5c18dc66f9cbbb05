// The calibration type, a relay's function and the bypass synchronisation chosen with the panel keys from the main
// menu and carried out by the simulated main controller.
#include <QtTest>

#include <QAbstractItemView>
#include <QComboBox>

#include "app/parameters.h"
#include "screens/mainmenu.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/basecombobox.h"
#include "ui/mainwindow.h"
#include "ui/uiclock.h"

class TestIoScreensSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        station_.reset(new SimStation(QStringLiteral("571=0;572=0;685=3;1644=1;10504=0;2085=0;1518=1;964=0"),
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

    void calibrationByValue();
    void relayFunctionRebuildsPage();
    void bypassSynchronises();

private:
    MainWindow* window() const { return ui_->window(); }
    BaseForm* current() const { return window()->currentForm(); }
    void key(int k);
    // Moves the cursor with Down to the row labelled `label` and presses Return on it.
    void press(const QString& label);
    // Chooses the entry of `key` in the selection row under the cursor with Up, Down and Return.
    void choose(int choiceKey);

    QScopedPointer<SimStation> station_;
    std::unique_ptr<UiFixture> ui_;
};

void TestIoScreensSim::key(int k)
{
    QWidget* target = window()->focusWidget();
    if (!target || !window()->isAncestorOf(target))
        target = current();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(target, static_cast<Qt::Key>(k));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestIoScreensSim::press(const QString& label)
{
    for (int i = 0; i < current()->rowCount() && UiInspect::row(current(), current()->currentRow()).label != label;
         ++i)
        key(Qt::Key_Down);
    QCOMPARE(UiInspect::row(current(), current()->currentRow()).label, label);
    key(Qt::Key_Return);
}

void TestIoScreensSim::choose(int choiceKey)
{
    auto* row = qobject_cast<BaseComboBox*>(current()->currentWidget());
    QVERIFY(row);
    key(Qt::Key_Return);
    QAbstractItemView* list = row->comboBox()->view();
    QVERIFY(list->isVisible());
    const int index = row->valuesList().indexOfKey(choiceKey);
    QVERIFY(index >= 0);
    for (int i = 0; i < row->comboBox()->count() && list->currentIndex().row() != index; ++i)
        key(list->currentIndex().row() < index ? Qt::Key_Down : Qt::Key_Up);
    key(Qt::Key_Return);
}

void TestIoScreensSim::calibrationByValue()
{
    press(QStringLiteral("Технологические настройки"));
    press(QStringLiteral("Корректировки"));
    QCOMPARE(UiInspect::currentClass(window()), QStringLiteral("CorrectionsForm"));
    QCOMPARE(current()->currentRow(), 0);
    choose(1);
    QVERIFY(SimStation::waitForValue(2085, 1.0f));

    // Measured currents are edited now, the coefficients shown; the model rows follow.
    press(QStringLiteral("Корректировка тока двигателя"));
    QCOMPARE(UiInspect::currentClass(window()), QStringLiteral("CorrectionsCurrentMotor"));
    QCOMPARE(UiFixture::rowLines(current()),
             (QStringList{"edit 2 Ток фазы A", "edit 3 Ток фазы B", "edit 4 Ток фазы C", "status 1412 Коэффициент A",
                          "status 1413 Коэффициент B", "status 1414 Коэффициент С", "status 1544 Ток фазы A",
                          "status 1545 Ток фазы B", "status 1546 Ток фазы C"}));
}

void TestIoScreensSim::relayFunctionRebuildsPage()
{
    press(QStringLiteral("Оборудование"));
    press(QStringLiteral("Релейные выходы"));
    press(QStringLiteral("Релейный выход 3"));
    QPointer<BaseForm> page = current();
    QCOMPARE(page->rowCount(), 1);
    choose(8);
    // The page changes when the controller reports the function, on the row it was on.
    QVERIFY(SimStation::waitForValue(964, 8.0f));
    QTRY_VERIFY(current() != page.data());
    QCOMPARE(UiInspect::currentClass(window()), QStringLiteral("RelayOutputsOptions3Form"));
    QCOMPARE(UiFixture::rowLines(current()),
             (QStringList{"combo 964 Релейный выход 3", "combo 1740 Авария СУ",
                          "edit 1752 Время задержки срабатывания", "edit 1764 Время удержания реле"}));
    QCOMPARE(current()->currentRow(), 0);
    QCOMPARE(UiInspect::formClasses(window()).size(), 12);
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
}

RVK_TEST_MAIN(TestIoScreensSim)
#include "tst_ioscreens_sim.moc"
