// The technological modes on the simulated controller: the menu's rows for the drive and the special algorithms
// (each row opening its own mode), the rows of every mode screen for the values that decide them, the warnings
// on opening, and the maintenance screen's units and its question about the analog input.
#include <QLabel>
#include <QtTest>

#include "app/parameters.h"
#include "protections/maintenance_mode_form.h"
#include "protections/modes_menu.h"
#include "screens/technologparamsmenu.h"
#include "support/protectionrows.h"
#include "support/simscreentest.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/baseeditwidget.h"
#include "ui/basestatuswidget.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/statuspushbutton.h"
#include "ui/uiclock.h"

namespace {

using ProtectionRows::expand;

// The deciding values every case starts from; a case states the ones it changes. Analog inputs measure pressure
// in МПа.
const char* const kBase = "685=1;1000=0;572=0;571=0;13=0;1330=0;474=0;1683=0;475=0;1519=0;1215=0;494=0;10006=0;"
                          "499=0;133=1;1716=0;1726=0;447=0;464=0;"
                          "822=1;1105=0;823=0;826=1;1106=0;827=0;830=1;1107=0;831=0;834=1;1108=0;835=0";
const QString kAsk = QStringLiteral("Настроить аналоговый вход");

// Every mode: its menu label and screen.
const QMap<int, QPair<QString, QString>>& modes()
{
    static const QMap<int, QPair<QString, QString>> map{
        {447, {"Периодика", "PeriodicModeForm"}},
        {455, {"Чередование частот", "AlternationFreqModeForm"}},
        {464, {"Программное изменение частоты (ВНР)", "SoftChangeFreqModeForm"}},
        {474, {"Поддержание параметра", "MaintenanceModeForm"}},
        {494, {"Оптимизация напряжения", "OptimizationVoltageModeForm"}},
        {503, {"Режим токоограничения", "CurrentLimitModeForm"}},
        {483, {"Встряхивание", "JarringModeForm"}},
        {499, {"Прокачка газа", "PumpingGasModeForm"}},
        {955, {"Отложенный пуск", "DelayedStartForm"}},
    };
    return map;
}

} // namespace

class TestModes : public SimScreenTest
{
    Q_OBJECT

public:
    TestModes() : SimScreenTest(QString(), kBase) {}

private slots:
    void init();

    void modesMenu_data();
    void modesMenu();
    void modeScreens_data();
    void modeScreens();
    void warningsOncePerShowing_data();
    void warningsOncePerShowing();
    void maintenanceUnitsFollowInput_data();
    void maintenanceUnitsFollowInput();
    void maintenanceAsksOnRealChange_data();
    void maintenanceAsksOnRealChange();
    void maintenanceQuietWhileSiblingShown();
    void maintenanceQuestionNeverStacksAndSurvivesReplacement();
    void maintenanceQuestionLeavesTheLinkRunning();

private:
    // Lets the screen on show signal its showing, and deferred rebuilds run.
    void settle() { UiFixture::settle(40); }

};

void TestModes::init()
{
    SimScreenTest::init();
    UiClock::setRebuildDelayMs(10);
}

void TestModes::modesMenu_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QList<int>>("rows");
    // Values that change the menu after it was built, before a row is pressed.
    QTest::addColumn<QString>("later");

    const QList<int> all{447, 455, 464, 474, 494, 503, 483, 499, 955};
    const QList<int> noGas{447, 455, 464, 474, 494, 503, 483, 955};
    const QList<int> noLimit{447, 455, 464, 474, 494, 483, 499, 955};
    const QList<int> neither{447, 455, 464, 474, 494, 483, 955};
    QTest::newRow("own drive") << "685=1;1000=0" << all << "685=2;1000=2";
    QTest::newRow("own drive, special algorithms on") << "685=1;1000=2" << noGas << "685=1;1000=0";
    QTest::newRow("Эталон") << "685=3;1000=0" << all << "685=0";
    QTest::newRow("Эталон, special algorithms 1 also hide gas") << "685=3;1000=1" << noGas << "1000=0";
    QTest::newRow("Danfoss: no current limitation") << "685=2;1000=0" << noLimit << "685=1";
    QTest::newRow("Danfoss, special algorithms on") << "685=2;1000=2" << neither << "685=1;1000=0";
    QTest::newRow("no drive: gas whatever 1000") << "685=0;1000=2" << noLimit << "685=3;1000=2";
    QTest::newRow("fractions truncate: own drive, 1000 off") << "685=1.7;1000=0.5" << all << "685=2;1000=2";
}

void TestModes::modesMenu()
{
    QFETCH(QString, values);
    QFETCH(QList<int>, rows);
    QFETCH(QString, later);
    QVERIFY(apply(values));
    BaseForm* menu = show(&TechnologParamsMenu::createNextForm, "ModesMenu");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("РЕЖИМЫ"));
    const QStringList shown = UiFixture::rowLines(menu, true);
    QStringList expected;
    QStringList pages;
    for (int id : rows) {
        expected << QStringLiteral("statusButton %1 %2 :/images/off_protection").arg(id).arg(modes().value(id).first);
        pages << modes().value(id).second;
    }
    QCOMPARE(shown, expected);
    menu->setFormsList();
    QCOMPARE(menu->formsList().classNames(), pages);

    // A mode on shows the on icon, once or permanently included; off the off icon.
    auto* programmed = qobject_cast<StatusPushButton*>(menu->rowAt(2));
    QVERIFY(programmed);
    for (const float on : {1.0f, 2.0f, 3.0f}) {
        QVERIFY(apply(QStringLiteral("464=%1").arg(on)));
        QCOMPARE(programmed->iconPath(), QStringLiteral(":/images/on_protection"));
    }
    QVERIFY(apply("464=0"));
    QCOMPARE(programmed->iconPath(), QStringLiteral(":/images/off_protection"));

    // The drive or the algorithms change after the menu was built: the rows after the conditional ones still
    // open the modes they name.
    QVERIFY(apply(later));
    for (const int fromLast : {1, 0}) {
        menu = show(&TechnologParamsMenu::createNextForm, "ModesMenu");
        QVERIFY(menu);
        const int row = menu->rowCount() - 1 - fromLast;
        const QString named = modes().value(UiInspect::row(menu, row).id).second;
        QVERIFY(apply(values));
        menu->setCurrentRow(row);
        UiFixture::key(ui_->window(), Qt::Key_Return);
        QCOMPARE(currentClass(), named);
        QVERIFY(apply(later));
    }
}

void TestModes::modeScreens_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("rows");

    QTest::newRow("periodic") << "PeriodicModeForm" << "" << "ПЕРИОДИКА" << "c447/0,3 e449 e450 s452 s454 e878";
    QTest::newRow("alternation") << "AlternationFreqModeForm" << "" << "ЧЕРЕДОВАНИЕ ЧАСТОТ"
                                 << "c455/0,3 e456 e457 e459 e460 e461 e463 s1391 s1392";
    const QString softTitle = "ПРОГРАММНОЕ ИЗМЕНЕНИЕ ЧАСТОТЫ (ВНР)";
    QTest::newRow("programmed change, BP: in steps") << "SoftChangeFreqModeForm" << "1330=3" << softTitle
                                                     << "c464/0,1,2 e465 e466 e2082 e2080 e2081 e672";
    QTest::newRow("programmed change, BP as 3.9") << "SoftChangeFreqModeForm" << "1330=3.9" << softTitle
                                                  << "c464/0,1,2 e465 e466 e2082 e2080 e2081 e672";
    for (const char* company : {"0", "2", "4"}) {
        QTest::addRow("programmed change, company %s: a period", company)
            << "SoftChangeFreqModeForm" << QStringLiteral("1330=%1").arg(company) << softTitle
            << "c464/0,1,2 e465 e466 e467 e672";
    }
    QTest::newRow("current limitation") << "CurrentLimitModeForm" << "" << "РЕЖИМ ТОКООГРАНИЧЕНИЯ"
                                        << "c503/0,3 e504 e506 s10017";
    QTest::newRow("jarring") << "JarringModeForm" << "" << "ВСТРЯХИВАНИЕ"
                             << "c483/0,3 e484 e727 e485 e487 e488 e486 t873/0,200,201,202,203,204,205,100,400";
    QTest::newRow("delayed start") << "DelayedStartForm" << "" << "ОТЛОЖЕННЫЙ ПУСК" << "c955/0,3 e914";

    const QString optimisation = "c494/0,3 e497 e498 e495 e496 %1t961/0,100,200,201,202,203,204,205,206,207,208,209,"
                                 "210,400,401";
    for (const char* level : {"0", "2", "2.9"}) {
        QTest::addRow("voltage optimisation, level %s", level)
            << "OptimizationVoltageModeForm" << QStringLiteral("572=%1").arg(level) << "ОПТИМИЗАЦИЯ НАПРЯЖЕНИЯ"
            << optimisation.arg("");
    }
    QTest::newRow("voltage optimisation, level 3: the service rows")
        << "OptimizationVoltageModeForm" << "572=3" << "ОПТИМИЗАЦИЯ НАПРЯЖЕНИЯ"
        << optimisation.arg("c1132 c1133 c1134 e1141 e1142 e1143 c1623 e1624 e1665 c1682 ");

    QTest::newRow("gas pumping") << "PumpingGasModeForm" << "1716=0" << "ПРОКАЧКА ГАЗА"
                                 << "c499/0,3 c1716 e500 e501 e1113 e502:W";
    QTest::newRow("gas pumping, advanced, by underload") << "PumpingGasModeForm" << "1716=1;1726=1" << "ПРОКАЧКА ГАЗА"
                                                         << "c499/0,3 c1716 c1726 e1114 e1115 e500 e501 e1113 c1727 "
                                                            "e502 e1712 e1713 e1714 e1715";
    QTest::newRow("gas pumping, advanced, own setpoint") << "PumpingGasModeForm" << "1716=1;1726=0" << "ПРОКАЧКА ГАЗА"
                                                         << "c499/0,3 c1716 c1726 e1728 e1114 e1115 e500 e501 e1113 "
                                                            "c1727 e502 e1712 e1713 e1714 e1715";

    const QString title = "ПОДДЕРЖАНИЕ ПАРАМЕТРА";
    QTest::newRow("maintenance, follow") << "MaintenanceModeForm" << "1683=1;475=4" << title
                                         << "c474/0,3 c1683 c475/3,4,5,6 e478 e481 e482 b:Настроить_аналоговый_вход";
    const QString maintain = "c474/0,3 c1683 c475/0,1,2,3,4,5,6,7,8,9 %1c476 %2e478 e479 e480 e481 e482";
    const struct {
        const char* name;
        const char* values;
        const char* value;
        const char* setpoint;
    } maintained[] = {
        {"motor current", "475=0;1519=0", "s6 ", "e477 "},
        {"motor current of the model", "475=0;1519=1", "s1547 ", "e477 "},
        {"intake pressure", "475=1", "s15002 ", "e688 "},
        {"winding temperature", "475=2;1215=0", "s15003 ", "e689 "},
        {"oil temperature", "475=2;1215=1", "s15048 ", "e689 "},
        {"analog input 1", "475=3", "s838 ", "e690 "},
        {"analog input 2", "475=4", "s839 ", "e690 "},
        {"analog input 3", "475=5", "s840 ", "e690 "},
        {"analog input 4", "475=6", "s841 ", "e690 "},
        {"load", "475=7", "s7 ", "e1179 "},
        {"power", "475=8", "s1171 ", "e1180 "},
        {"flow", "475=9", "s15010 ", "e1481 "},
    };
    for (const auto& m : maintained) {
        QTest::addRow("maintenance, %s", m.name) << "MaintenanceModeForm" << QString::fromLatin1(m.values) << title
                                                 << maintain.arg(QString::fromLatin1(m.value),
                                                                 QString::fromLatin1(m.setpoint));
    }
    QTest::newRow("maintenance, a quantity without a value") << "MaintenanceModeForm" << "475=10" << title
                                                             << QString(maintain).replace("9 %1", "9,10 ")
                                                                    .arg("e477 ");
}

void TestModes::modeScreens()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, title);
    QFETCH(QString, rows);
    QVERIFY(apply(values));
    BaseForm* form = show(&ModesMenu::createNextForm, screen);
    QVERIFY2(form, qPrintable(screen));
    QCOMPARE(form->title(), title);
    QCOMPARE(ProtectionRows::shown(form), expand(rows));
    const RowInfo first = UiInspect::row(form, 0);
    QCOMPARE(first.texts, first.keys.size() == 2 ? QStringList({"Откл", "Вкл"})
                                                 : QStringList({"Откл", "Однократно", "Постоянно"}));
    if (screen == QLatin1String("MaintenanceModeForm") && UiInspect::row(form, 2).keys.size() == 10) {
        // The temperature names its source.
        const QString source = BaseForm::selector(1215) ? "Масло" : "Обмотка";
        QCOMPARE(UiInspect::row(form, 2).texts.at(2), QStringLiteral("Температура ") + source);
    }
}

void TestModes::warningsOncePerShowing_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    // Empty: no warning.
    QTest::addColumn<QString>("warning");

    const QString uf = "Для включения режима\nвыберите U/f управление!";
    const QString underload = "Для включения режима \n активируйте защиту Недогруз (ЗСП)";
    QTest::newRow("optimisation off under vector control") << "OptimizationVoltageModeForm" << "494=0;10006=1" << uf;
    QTest::newRow("optimisation on once counts as off") << "OptimizationVoltageModeForm" << "494=1;10006=1" << uf;
    QTest::newRow("optimisation on") << "OptimizationVoltageModeForm" << "494=3;10006=1" << "";
    QTest::newRow("optimisation under U/f") << "OptimizationVoltageModeForm" << "494=0;10006=0" << "";
    QTest::newRow("gas off, underload off") << "PumpingGasModeForm" << "499=0;133=0" << underload;
    QTest::newRow("gas off, underload 0.5 is off") << "PumpingGasModeForm" << "499=0;133=0.5" << underload;
    QTest::newRow("gas on") << "PumpingGasModeForm" << "499=3;133=0" << "";
    QTest::newRow("underload blocks") << "PumpingGasModeForm" << "499=0;133=1" << "";
    QTest::newRow("periodic never warns") << "PeriodicModeForm" << "447=0;10006=1;133=0;13=2" << "";
}

void TestModes::warningsOncePerShowing()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, warning);
    QVERIFY(apply(values));
    DialogGate::clearRecords();
    QVERIFY(show(&ModesMenu::createNextForm, screen));
    settle();
    QCOMPARE(UiFixture::messages().size(), warning.isEmpty() ? 0 : 1);
    if (warning.isEmpty())
        return;
    QCOMPARE(UiFixture::messages().first().text, warning);
    QCOMPARE(UiFixture::messages().first().type, int(MessageDialog::Information));

    // Shown again while the warning is open: still one. Closed and shown again: warned again.
    ui_->window()->showPage(1);
    ui_->window()->showPage(-1);
    settle();
    QCOMPARE(currentClass(), screen);
    QCOMPARE(UiFixture::openMessages(warning), 1);
    UiFixture::closeMessages();
    ui_->window()->showPage(1);
    ui_->window()->showPage(-1);
    settle();
    QCOMPARE(UiFixture::openMessages(warning), 1);
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message, warning), 2);
}

void TestModes::maintenanceUnitsFollowInput_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("unitAfter");

    QTest::newRow("input 1: pressure, then temperature") << "475=3;822=1;1105=2" << "кг/см2" << "822=2" << "°C";
    QTest::newRow("input 2: flow, then another unit") << "475=4;826=6;1106=1" << "м3/ч" << "1106=3" << "барр/ч";
    QTest::newRow("input 3: no quantity, 4-20 mA, then 0-10 V") << "475=5;830=0;831=1" << "мА" << "831=0" << "В";
    QTest::newRow("input 4: another input's change leaves it") << "475=6;834=3;1108=1" << "м/с2" << "822=2"
                                                               << "м/с2";
}

void TestModes::maintenanceUnitsFollowInput()
{
    QFETCH(QString, values);
    QFETCH(QString, unit);
    QFETCH(QString, change);
    QFETCH(QString, unitAfter);
    QVERIFY(apply(values));
    QPointer<BaseForm> form = show(&ModesMenu::createNextForm, "MaintenanceModeForm");
    QVERIFY(form);
    auto* input = qobject_cast<BaseStatusWidget*>(form->rowAt(3));
    auto* setpoint = qobject_cast<BaseEditWidget*>(form->rowAt(5));
    QVERIFY(input && setpoint);
    QCOMPARE(setpoint->id(), quint16(690));
    QCOMPARE(input->unitLabel_->text(), unit);
    QCOMPARE(setpoint->unitLabel_->text(), unit);
    QVERIFY(apply(change));
    settle();
    QCOMPARE(current(), form.data());
    QCOMPARE(input->unitLabel_->text(), unitAfter);
    QCOMPARE(setpoint->unitLabel_->text(), unitAfter);
    // A quantity that is no analog input keeps the units of its own parameters.
    QVERIFY(apply("475=1"));
    settle();
    QVERIFY(form.isNull());
    QVERIFY(apply("822=9"));
    settle();
    QCOMPARE(qobject_cast<BaseStatusWidget*>(current()->rowAt(3))->unitLabel_->text(), BaseForm::unitText(15002));
    QCOMPARE(qobject_cast<BaseEditWidget*>(current()->rowAt(5))->unitLabel_->text(), BaseForm::unitText(688));
}

void TestModes::maintenanceAsksOnRealChange_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("change");
    // The change arrives as a limit (cmd 8) instead of a value.
    QTest::addColumn<bool>("limit");
    // "Да" (1) or "Нет" (0) to a question.
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    // The screen on show after: a page of an analog input, or the maintenance screen built anew (the rows given).
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("rows");

    const QString follow = "c474/0,3 c1683 c475/3,4,5,6 e478 e481 e482 b:Настроить_аналоговый_вход";
    const QString maintain = "c474/0,3 c1683 c475/0,1,2,3,4,5,6,7,8,9 %1 c476 %2 e478 e479 e480 e481 e482";
    QTest::newRow("follow, input 2 chosen, yes: its page") << "1683=1;475=3" << "475=4" << false << 1 << true
                                                           << "ProtectionAnalogInput2Form" << "";
    QTest::newRow("follow, input 4 chosen, yes: its page") << "1683=1;475=3" << "475=6" << false << 1 << true
                                                           << "ProtectionAnalogInput4Form" << "";
    QTest::newRow("follow, no: built anew") << "1683=1;475=3" << "475=5" << false << 0 << true
                                            << "MaintenanceModeForm" << follow;
    QTest::newRow("follow, the same value again: nothing") << "1683=1;475=3" << "475=3" << false << 1 << false << ""
                                                           << "";
    QTest::newRow("follow, a limit: nothing") << "1683=1;475=3" << "475=6" << true << 1 << false << "" << "";
    QTest::newRow("to follow, input 2 chosen, yes: its page") << "1683=0;475=4" << "1683=1" << false << 1 << true
                                                              << "ProtectionAnalogInput2Form" << "";
    // The quantity held is no choice of follow mode: shown as an added one.
    QTest::newRow("to follow, no input chosen, yes: the rows follow")
        << "1683=0;475=0" << "1683=1" << false << 1 << true << "MaintenanceModeForm"
        << QString(follow).replace("c475/3,4,5,6", "c475/3,4,5,6,0");
    QTest::newRow("maintain, another input: built anew, not asked")
        << "1683=0;475=3" << "475=5" << false << 1 << false << "MaintenanceModeForm" << maintain.arg("s840", "e690");
    QTest::newRow("back to maintain: built anew, not asked")
        << "1683=1;475=7" << "1683=0" << false << 1 << false << "MaintenanceModeForm" << maintain.arg("s7", "e1179");
}

void TestModes::maintenanceAsksOnRealChange()
{
    QFETCH(QString, start);
    QFETCH(QString, change);
    QFETCH(bool, limit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, screen);
    QFETCH(QString, rows);
    QVERIFY(apply(start));
    QPointer<BaseForm> form = show(&ModesMenu::createNextForm, "MaintenanceModeForm");
    QVERIFY(form);
    form->setCurrentRow(2);
    DialogGate::clearRecords();
    DialogGate::setNextAnswer(answer);
    if (limit) {
        const quint16 id = static_cast<quint16>(change.section('=', 0, 0).toUInt());
        ui_->params()->slotParamUpdated(id, Common::floatBits(change.section('=', 1).toFloat()), 8);
    } else {
        QVERIFY(apply(change));
    }
    settle();
    DialogGate::clearAnswers();
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message, kAsk), asked ? 1 : 0);
    QCOMPARE(UiFixture::messages().size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(UiFixture::messages().first().type, int(MessageDialog::Question));
    if (screen.isEmpty()) {
        QCOMPARE(current(), form.data());
        return;
    }
    QVERIFY(form.isNull());
    QCOMPARE(currentClass(), screen);
    if (screen.startsWith(QLatin1String("ProtectionAnalogInput"))) {
        QCOMPARE(UiInspect::formClasses(ui_->window()),
                 QStringList({"ProtectionAnalogInput1Form", "ProtectionAnalogInput2Form", "ProtectionAnalogInput3Form",
                              "ProtectionAnalogInput4Form"}));
        return;
    }
    QCOMPARE(ProtectionRows::shown(current()), expand(rows));
    QCOMPARE(current()->currentRow(), 2);
}

void TestModes::maintenanceQuietWhileSiblingShown()
{
    QVERIFY(apply("1683=1;475=3"));
    QPointer<BaseForm> form = show(&ModesMenu::createNextForm, "MaintenanceModeForm");
    QVERIFY(form);
    ui_->window()->showPage(1);
    QCOMPARE(currentClass(), QStringLiteral("OptimizationVoltageModeForm"));
    BaseForm* sibling = current();
    DialogGate::clearRecords();
    QVERIFY(apply("475=5;1683=0"));
    settle();
    // No question and no move: the screen is built anew when the operator comes back to it.
    QCOMPARE(UiFixture::messages().size(), 0);
    QCOMPARE(current(), sibling);
    ui_->window()->showPage(-1);
    settle();
    QVERIFY(form.isNull());
    QCOMPARE(currentClass(), QStringLiteral("MaintenanceModeForm"));
    QCOMPARE(UiInspect::row(current(), 3).id, 840);
    QCOMPARE(current()->currentRow(), 0);
    QCOMPARE(UiFixture::messages().size(), 0);
}

void TestModes::maintenanceQuestionNeverStacksAndSurvivesReplacement()
{
    QVERIFY(apply("1683=1;475=3"));
    QPointer<BaseForm> form = show(&ModesMenu::createNextForm, "MaintenanceModeForm");
    QVERIFY(form);
    DialogGate::clearRecords();
    // The question waits for the operator; meanwhile the quantity changes again and the list is replaced.
    DialogGate::setRejectUnanswered(false);
    // A question left open (a second one stacked over it) gives up soon.
    UiClock::setMessageTimeoutMs(5000);
    int questionsOpen = 0;
    // Once the question is open, inside its own event loop.
    QTimer whileAsked;
    whileAsked.setInterval(5);
    QObject::connect(&whileAsked, &QTimer::timeout, [&] {
        if (UiFixture::openMessages(kAsk) == 0)
            return;
        whileAsked.stop();
        questionsOpen = UiFixture::openMessages(kAsk);
        // Two more changes of the quantity, the last one back to the controller's value.
        ui_->report(475, 6.0f);
        ui_->report(475, 4.0f);
        QCOMPARE(UiFixture::openMessages(kAsk), 1);
        ui_->window()->addForm(TechnologParamsMenu::createNextForm(), "ModesMenu");
        // "Да": the screen that asked is gone, so nothing opens.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<MessageDialog*>(w); dialog && dialog->isVisible())
                dialog->accept();
        }
    });
    whileAsked.start();
    QVERIFY(apply("475=4"));
    settle();
    DialogGate::setRejectUnanswered(true);
    QCOMPARE(questionsOpen, 1);
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message, kAsk), 1);
    QVERIFY(form.isNull());
    QCOMPARE(currentClass(), QStringLiteral("ModesMenu"));
    QCOMPARE(UiInspect::formClasses(ui_->window()),
             QStringList({"ModesMenu", "CorrectionsForm", "MenuTechnologForm"}));
    QCOMPARE(UiFixture::openMessages(kAsk), 0);
}

void TestModes::maintenanceQuestionLeavesTheLinkRunning()
{
    QVERIFY(apply("1683=1;474=1;475=0;580=1"));
    QVERIFY(show(&ModesMenu::createNextForm, "MaintenanceModeForm"));
    DialogGate::clearRecords();
    DialogGate::setRejectUnanswered(false);
    // While the question waits for the operator: the controller is polled and a write reaches it.
    bool asked = false;
    bool polled = false;
    bool applied = false;
    QTimer whileAsked;
    whileAsked.setInterval(5);
    QObject::connect(&whileAsked, &QTimer::timeout, [&] {
        if (asked || UiFixture::openMessages(kAsk) != 1)
            return;
        asked = true;
        const int requests = station_->sim()->requestsHandled();
        ui_->params()->set(580, 7.0f);
        applied = SimStation::waitFor([this] { return ui_->params()->get(580) == 7.0f; });
        polled = station_->sim()->requestsHandled() > requests;
        UiFixture::closeMessages();
    });
    whileAsked.start();
    // The controller changes the quantity kept (as a master's write does): the question opens.
    QVERIFY(apply("475=3"));
    QTRY_VERIFY(asked);
    whileAsked.stop();
    DialogGate::setRejectUnanswered(true);
    QVERIFY(polled);
    QVERIFY(applied);
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message, kAsk), 1);
}

RVK_TEST_MAIN(TestModes)
#include "tst_modes.moc"
