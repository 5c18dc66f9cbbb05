// Protection screens on the simulated controller: the rows of each screen for the values that decide them, the
// reset of a protection (and of all) behind access and a question, the screens that follow their own values, and
// the hint of the filter screen.
#include <QtTest>

#include "app/parameters.h"
#include "protections/baseprotectionform.h"
#include "protections/protections_dhs_menu.h"
#include "protections/protections_menu.h"
#include "protections/protections_motor_menu.h"
#include "protections/protections_other_menu.h"
#include "protections/protections_supply_menu.h"
#include "screens/mainmenu.h"
#include "support/protectionrows.h"
#include "support/simscreentest.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/basecombobox.h"
#include "ui/baseeditwidget.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/uiclock.h"

namespace {

using ProtectionRows::expand;

// The deciding values every case starts from; a case states the ones it changes.
const char* const kBase = "1483=1;685=1;782=0;572=0;571=0;39=1;1217=0;1322=0;1215=0;2088=0;1130=4;1476=0;13=0";

} // namespace

class TestProtectionScreens : public SimScreenTest
{
    Q_OBJECT

public:
    TestProtectionScreens() : SimScreenTest(QString(), kBase) {}

private slots:
    void initTestCase();
    void init();

    void supplyScreens_data() { addRowColumns(); supplyRows(); }
    void supplyScreens() { checkRows(&ProtectionsSupplyMenu::createNextForm); }
    void motorScreens_data() { addRowColumns(); motorRows(); }
    void motorScreens() { checkRows(&ProtectionsMotorMenu::createNextForm); }
    void dhsScreens_data() { addRowColumns(); dhsRows(); }
    void dhsScreens() { checkRows(&ProtectionsDhsMenu::createNextForm); }
    void otherScreens_data() { addRowColumns(); otherRows(); }
    void otherScreens() { checkRows(&ProtectionsOtherMenu::createNextForm); }

    void resetAsksAndWritesOnce_data();
    void resetAsksAndWritesOnce();
    void screenFollowsItsValueOnlyOnShow();
    void filterHintOnceAndOnlyOnShow();

private:
    void addRowColumns();
    void supplyRows();
    void motorRows();
    void dhsRows();
    void otherRows();
    void checkRows(BaseForm::PageList pages);
    QList<QVariantList> writes(QSignalSpy& spy, quint16 id) const;

    // Defaults of two settings, as the controller started.
    float overvoltageDefault_ = 0.0f;
    float heatsinkDefault_ = 0.0f;
};

void TestProtectionScreens::initTestCase()
{
    SimScreenTest::initTestCase();
    overvoltageDefault_ = station_->sim()->value(50);
    heatsinkDefault_ = station_->sim()->value(1567);
}

void TestProtectionScreens::init()
{
    SimScreenTest::init();
    UiClock::setRebuildDelayMs(10);
}

QList<QVariantList> TestProtectionScreens::writes(QSignalSpy& spy, quint16 id) const
{
    QList<QVariantList> list;
    for (const QVariantList& w : spy) {
        if (w.at(0).value<quint16>() == id)
            list << w;
    }
    return list;
}

void TestProtectionScreens::addRowColumns()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("rows");
}

void TestProtectionScreens::checkRows(BaseForm::PageList pages)
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, rows);
    QVERIFY(apply(values));
    BaseForm* form = show(pages, screen);
    QVERIFY2(form, qPrintable(screen));
    QCOMPARE(ProtectionRows::shown(form), expand(rows));
    // The reset restores what the screen sets.
    QCOMPARE(ProtectionRows::notReset(form), QStringList());
}

void TestProtectionScreens::supplyRows()
{
    const QString usualTail = "e45:B e46:W e47:RD e48:RA e49:RC R";
    QTest::newRow("overvoltage") << "ProtectionOvervoltageInputForm" << ""
                                 << "a43 d1484 e50:T " + usualTail;
    QTest::newRow("overvoltage, alarms 0.5 count as off") << "ProtectionOvervoltageInputForm" << "1483=0.5"
                                                          << "a43 e50:T " + usualTail;
    QTest::newRow("overvoltage, alarms 65536 count as off") << "ProtectionOvervoltageInputForm" << "1483=65536"
                                                            << "a43 e50:T " + usualTail;
    const QString under = "a58 d1485 e65:T e60:B e61:W e62:RD e63:RA e64:RC ";
    QTest::newRow("undervoltage, reference drive, induction motor")
        << "ProtectionUndervoltageInputForm" << "685=3;782=0" << under + "c10519 R";
    QTest::newRow("undervoltage, reference drive, permanent magnet")
        << "ProtectionUndervoltageInputForm" << "685=3;782=1" << under + "R";
    QTest::newRow("undervoltage, own drive") << "ProtectionUndervoltageInputForm" << "685=1" << under + "c10555 R";
    QTest::newRow("undervoltage, Danfoss") << "ProtectionUndervoltageInputForm" << "685=2" << under + "R";
    QTest::newRow("undervoltage, no drive") << "ProtectionUndervoltageInputForm" << "685=0" << under + "R";
    QTest::newRow("voltage imbalance") << "ProtectionImbalanceVoltageInputForm" << ""
                                       << "a73 d1486 e80:T e75:B e76:W e77:RD e78:RA e79:RC R";
    QTest::newRow("input current imbalance") << "ProtectionImbalanceCurrentInputForm" << "1483=0"
                                             << "a88 e95:T e90:B e91:W e92:RD e93:RA e94:RC R";
    QTest::newRow("phase sequence, never an alarm row") << "ProtectionPhaseRotationForm" << ""
                                                        << "a103/0,3 c110/0,1 R";
    QTest::newRow("power off at level 3, no alarm row, no reset")
        << "ProtectionPowerOffForm" << "572=3"
        << "c1476/0,100,200,300,400,500,600,700,800,900,1000,1100,1200,1300,1400,1500,2000";
}

void TestProtectionScreens::motorRows()
{
    QTest::newRow("overload: values between the settings")
        << "ProtectionOverloadMotorForm" << ""
        << "a118 d1488 e125:T e2077:T s860 e120:B e121:W s861 e122:RD e123:RA e124:RC R";
    QTest::newRow("underload") << "ProtectionUnderloadMotorForm" << ""
                               << "a133 d1489 e140:T e2078:T s1026 s883 e135:B e136:W e137:RD c670 e637 e138:RA "
                                  "e139:RC c1652 R";
    QTest::newRow("motor current imbalance") << "ProtectionImbalanceCurrentMotorForm" << ""
                                             << "a163 d1490 e170:T e165:B e166:W e167:RD e168:RA e169:RC R";
    for (int vsd : {0, 1, 2}) {
        QTest::addRow("turbine rotation, drive %d", vsd)
            << "ProtectionTurbineRotationForm" << QString("685=%1").arg(vsd) << "a178/0,3 e185:T s10 e1214 R";
    }
    QTest::newRow("turbine rotation, reference drive") << "ProtectionTurbineRotationForm" << "685=3"
                                                       << "a178/0,3 e185:T s10 R";
    QTest::newRow("current limit cannot be off") << "ProtectionCurrentMotorForm" << ""
                                                 << "a148/1,2 d1511 e155:T R";
    QTest::newRow("current limit, stored off shown as added") << "ProtectionCurrentMotorForm" << "148=0;1483=0"
                                                              << "a148/1,2,0 e155:T R";
    const QString head = "a193/1,2 d1491 e200 e201 c1217 ";
    const QString tail = "e195:B e196:W e197:RD e198:RA e199:RC R";
    const QString emf = "e1212 s1177 s1211 ";
    QTest::newRow("synchronism, back-EMF off") << "ProtectionOutOfSyncMotorForm" << "1217=0;1322=1;782=1"
                                               << head + tail;
    QTest::newRow("synchronism, own drive, no adaptation")
        << "ProtectionOutOfSyncMotorForm" << "1217=1;685=1;1322=0;782=1" << head + emf + "c1322 " + tail;
    QTest::newRow("synchronism, Danfoss with adaptation")
        << "ProtectionOutOfSyncMotorForm" << "1217=1;685=2;1322=1;782=1"
        << head + emf + "c1322 s10497 s10496:+_(214(D6h)) " + tail;
    QTest::newRow("synchronism, reference drive never adapts")
        << "ProtectionOutOfSyncMotorForm" << "1217=1;685=3;1322=1;782=1" << head + emf + tail;
}

void TestProtectionScreens::dhsRows()
{
    QTest::newRow("intake pressure: two trip setpoints, restart setpoint after the delay")
        << "ProtectionPressureIntakeForm" << ""
        << "a208 d1493 e215 e2083 e210:B e211:W e216:RS e212:RD e213:RA e214:RC R";
    QTest::newRow("discharge pressure") << "ProtectionPressureDischargeForm" << ""
                                        << "a936 d1494 e943:T e938:B e939:W e944:RS e940:RD e941:RA e942:RC R";
    const QString temperature = "a223 d1492 e230:T c1215/0,1 %1 e225:B e226:W e231:RS e227:RD e228:RA e229:RC R";
    QTest::newRow("motor temperature, winding") << "ProtectionTemperatureMotorForm" << "1215=0"
                                                << temperature.arg("s15003");
    QTest::newRow("motor temperature, oil") << "ProtectionTemperatureMotorForm" << "1215=1"
                                            << temperature.arg("s15048");
    QTest::newRow("vibration") << "ProtectionVibrationMotorForm" << ""
                               << "a253 d1496 e260:T e255:B e256:W e257:RD e258:RA e259:RC R";
    QTest::newRow("minimum flow") << "ProtectionFlowDischargeForm" << "1483=0"
                                  << "a918 e925:T e920:B e921:W e922:RD e923:RA e924:RC R";
    QTest::newRow("intake temperature") << "ProtectionTemperatureIntakeForm" << ""
                                        << "a2056 d2075 e2063:T e2058:B e2059:W e2064:RS e2060:RD e2061:RA e2062:RC R";
    QTest::newRow("link loss off") << "ProtectionConnectDhsForm" << "2088=0" << "a2088 d2107 R";
    QTest::newRow("link loss, block") << "ProtectionConnectDhsForm" << "2088=1" << "a2088 d2107 e2090:B e2091:W R";
    QTest::newRow("link loss, restart, no alarms")
        << "ProtectionConnectDhsForm" << "2088=2;1483=0" << "a2088 e2090:B e2091:W e2092:RD e2093:RA e2094:RC R";
}

void TestProtectionScreens::otherRows()
{
    const QString head = "a238/0,1 d1495 c247 e245:T ";
    const QString tail = "c1033/-1,1 e1032 e514 s11 R";
    QTest::newRow("insulation, auto source at level 2") << "ProtectionResistanceIsolationForm"
                                                        << "1130=1;572=2;685=1;39=0"
                                                        << head + "c1130/1,4 t1131/0,2,3,4 " + tail;
    QTest::newRow("insulation, auto source at level 3, every source")
        << "ProtectionResistanceIsolationForm" << "1130=1;572=3;685=3;39=5"
        << head + "c1130/1,2,3,4 t1131/0,2,3,4 e1402 " + tail;
    QTest::newRow("insulation, insulation monitor") << "ProtectionResistanceIsolationForm" << "1130=4;572=4"
                                                    << head + "c1130/1,3,4 " + tail;
    QTest::newRow("insulation, stored sensor source without sensors")
        << "ProtectionResistanceIsolationForm" << "1130=3;685=1;39=0" << head + "c1130/1,4,3 " + tail;
    QTest::newRow("number of starts") << "ProtectionOvernumberOfStartForm" << "" << "a388/0,1 e395:T e397:RC R";
    QTest::newRow("door, reference drive") << "ProtectionLockDoorForm" << "685=3" << "a402/0,3 c10540/0,1,2";
    QTest::newRow("door, own drive") << "ProtectionLockDoorForm" << "685=1" << "a402/0,3";
    QTest::newRow("drive hardware, own drive")
        << "HardwareVsdForm" << "685=1"
        << "a417/1,2 d1498 e421:RD e422:RA e423:RC e10232 e10084 e10187 e10133:+_(129) e10134:+_(130) "
           "e10145:+_(132) e10458 e10545 R";
    QTest::newRow("drive hardware, Danfoss") << "HardwareVsdForm" << "685=2"
                                             << "a417/1,2 d1498 e421:RD e422:RA e423:RC R";
    QTest::newRow("drive link loss") << "VsdNoConnectForm" << "" << "a778/0,3 e779:W R";
    QTest::newRow("input filter") << "ProtectionOverheatInputFilterForm" << "685=2"
                                  << "a967 d1512 e971:RD e972:RA e973:RC R";
    QTest::newRow("heatsink") << "ProtectionOverheatIgbtForm" << "685=0"
                              << "a1560 d1577 e1567:T s10246 e1562:B e1563:W e1568:RS e1564:RD e1565:RA e1566:RC R";
}

void TestProtectionScreens::resetAsksAndWritesOnce_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<bool>("granted");
    // 1 "Да", 0 "Нет", -1 the question closed with Escape.
    QTest::addColumn<int>("answer");

    QTest::newRow("protection: yes") << false << true << 1;
    QTest::newRow("protection: no") << false << true << 0;
    QTest::newRow("protection: closed") << false << true << -1;
    QTest::newRow("protection: access refused") << false << false << 1;
    QTest::newRow("every protection: yes") << true << true << 1;
    QTest::newRow("every protection: no") << true << true << 0;
    QTest::newRow("every protection: access refused") << true << false << 1;
}

void TestProtectionScreens::resetAsksAndWritesOnce()
{
    QFETCH(bool, all);
    QFETCH(bool, granted);
    QFETCH(int, answer);
    // Settings away from their defaults: the trip setpoint here, the heatsink's elsewhere.
    QVERIFY(apply(QString("50=%1;1567=%2;571=%3").arg(overvoltageDefault_ + 7).arg(heatsinkDefault_ + 5)
                      .arg(granted ? 0 : 1)));

    BaseForm* form = all ? show(&MainMenu::createNextForm, "ProtectionsMenu")
                         : show(&ProtectionsSupplyMenu::createNextForm, "ProtectionOvervoltageInputForm");
    QVERIFY(form);
    const int resetRow = form->rowCount() - 1;
    QCOMPARE(UiInspect::row(form, resetRow).label, QStringLiteral("Сбросить уставки по умолчанию"));
    const quint16 id = all ? 599 : 602;
    const float command = all ? 3.0f : 1.0f;
    const QString question = all ? "Сбросить значения уставок по умолчанию?" : "Сбросить уставки по умолчанию?";

    QSignalSpy spy(ui_->params(), &Parameters::signalParamWrite);
    DialogGate::clearRecords();
    if (answer >= 0) {
        DialogGate::setNextAnswer(answer);
    } else {
        DialogGate::setRejectUnanswered(false);
        QTimer::singleShot(50, [] {
            if (auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget()))
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
    }
    form->setCurrentRow(resetRow);
    QTest::keyClick(form->rowAt(resetRow), Qt::Key_Return);
    DialogGate::setRejectUnanswered(true);
    DialogGate::clearAnswers();

    // Refused access asks no question; granted access asks it once.
    QList<DialogGate::Record> shown = DialogGate::records();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(int(shown.first().kind), int(granted ? DialogGate::Message : DialogGate::Password));
    if (granted) {
        QCOMPARE(shown.first().type, int(MessageDialog::Question));
        QCOMPARE(shown.first().text, question);
    }
    const bool written = granted && answer == 1;
    const QList<QVariantList> sent = writes(spy, id);
    QCOMPARE(spy.count(), sent.size());
    QCOMPARE(sent.size(), written ? 1 : 0);
    if (!written) {
        // The controller's time runs on: it restores nothing it was not asked to.
        QVERIFY(station_->advance(200));
        QCOMPARE(ui_->params()->get(50), overvoltageDefault_ + 7);
        return;
    }
    QCOMPARE(sent.first().at(1).toUInt(), Common::floatBits(command));
    QCOMPARE(sent.first().at(2).toInt(), 1);

    // The controller restores the defaults and reports them; the command returns to 0.
    QVERIFY(SimStation::waitForValue(50, overvoltageDefault_));
    QVERIFY(SimStation::waitForValue(id, 0.0f));
    QVERIFY(SimStation::waitForValue(1567, all ? heatsinkDefault_ : heatsinkDefault_ + 5));
    if (!all) {
        auto* setpoint = qobject_cast<BaseEditWidget*>(form->rowAt(2));
        QVERIFY(setpoint);
        QCOMPARE(setpoint->id(), quint16(50));
        const ParameterDef* def = ui_->params()->getParameter(50);
        QTRY_COMPARE(setpoint->valueText(), BaseParamWidget::formatValue(ui_->params()->convertFrom(
                                                overvoltageDefault_, def, false, true), def));
    }
    QCOMPARE(writes(spy, id).size(), 1);
}

void TestProtectionScreens::screenFollowsItsValueOnlyOnShow()
{
    QVERIFY(apply("2088=0;571=0"));
    BaseForm* form = show(&ProtectionsDhsMenu::createNextForm, "ProtectionConnectDhsForm");
    QVERIFY(form);
    QCOMPARE(ProtectionRows::shown(form), expand("a2088 d2107 R"));

    // The operator chooses "АПВ": the screen follows once the controller reports it, the cursor on the action.
    auto* action = qobject_cast<BaseComboBox*>(form->rowAt(0));
    QVERIFY(action);
    QVERIFY(action->choose(2));
    QVERIFY(SimStation::waitForValue(2088, 2.0f));
    QTRY_VERIFY(current() != form);
    QCOMPARE(currentClass(), QStringLiteral("ProtectionConnectDhsForm"));
    QCOMPARE(ProtectionRows::shown(current()), expand("a2088 d2107 e2090:B e2091:W e2092:RD e2093:RA e2094:RC R"));
    QCOMPARE(current()->currentRow(), 0);
    // A limit of the same parameter changes no row.
    BaseForm* rebuilt = current();
    ui_->params()->slotParamUpdated(2088, Common::floatBits(3.0f), 8);
    UiFixture::settle(40);
    QCOMPARE(current(), rebuilt);

    // A change from outside while a sibling is on show leaves the operator there; the screen is new when shown.
    QTest::keyClick(current(), Qt::Key_Right);
    QCOMPARE(currentClass(), QStringLiteral("ProtectionPressureIntakeForm"));
    BaseForm* sibling = current();
    station_->sim()->setValue(2088, 1.0f);
    QVERIFY(SimStation::waitForValue(2088, 1.0f));
    UiFixture::settle(40);
    QCOMPARE(current(), sibling);
    QTest::keyClick(current(), Qt::Key_Left);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(currentClass(), QStringLiteral("ProtectionConnectDhsForm"));
    QCOMPARE(ProtectionRows::shown(current()), expand("a2088 d2107 e2090:B e2091:W R"));
    QCOMPARE(current()->currentRow(), 0);
}

void TestProtectionScreens::filterHintOnceAndOnlyOnShow()
{
    QVERIFY(apply("685=1;967=1;712=0;1101=0"));
    BaseForm* form = show(&ProtectionsOtherMenu::createNextForm, "ProtectionOverheatInputFilterForm");
    QVERIFY(form);
    const QString hint = QStringLiteral("Для включения защиты включите: \n %1 \n или \n %2")
                             .arg(Common::getTextFromId(712), Common::getTextFromId(1101));
    const auto hints = [&] {
        int open = 0;
        for (MessageDialog* d : ui_->window()->findChildren<MessageDialog*>())
            open += d->isVisible() && d->text() == hint ? 1 : 0;
        return open;
    };
    // Each report delivered before the next: the mirror may hold the value already.
    const auto report = [&](float action) {
        station_->sim()->setValue(967, action);
        return SimStation::waitForValue(967, action) && station_->advance(100);
    };

    // Reported off, twice: one hint, of the information kind.
    DialogGate::clearRecords();
    QVERIFY(report(0.0f));
    QVERIFY(report(0.0f));
    QCOMPARE(hints(), 1);
    QCOMPARE(UiFixture::messages().size(), 1);
    QCOMPARE(UiFixture::messages().first().type, int(MessageDialog::Information));
    for (MessageDialog* d : ui_->window()->findChildren<MessageDialog*>())
        d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Limits, an action on, or the filter fitted: no hint.
    ui_->params()->slotParamUpdated(967, Common::floatBits(0.0f), 7);
    QVERIFY(report(2.0f));
    QVERIFY(apply("712=1"));
    QVERIFY(report(0.0f));
    QVERIFY(apply("712=0;1101=1"));
    QVERIFY(report(1.0f));
    QVERIFY(report(0.0f));
    QVERIFY(apply("1101=0"));
    // A sibling on show: no hint from the screen behind it.
    QTest::keyClick(current(), Qt::Key_Right);
    QCOMPARE(currentClass(), QStringLiteral("ProtectionOverheatIgbtForm"));
    QVERIFY(report(1.0f));
    QVERIFY(report(0.0f));
    QCOMPARE(UiFixture::messages().size(), 1);
    QCOMPARE(hints(), 0);
}

RVK_TEST_MAIN(TestProtectionScreens)
#include "tst_protectionscreens.moc"
