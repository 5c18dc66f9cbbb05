// The start modes on the simulated controller: the menu's rows for the drive, the motor, the control type, the
// direct-start equipment and the company (each row opening its own mode), the rows of every start-mode screen,
// the warnings on opening, the switching frequencies of auto-adaptation and the way back (among the drive pages,
// from swinging to the menu alone).
#include <QtTest>

#include "app/parameters.h"
#include "equipment/vsd_menu.h"
#include "protections/running_mode_menu.h"
#include "support/protectionrows.h"
#include "support/simscreentest.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/statuspushbutton.h"
#include "ui/uiclock.h"

namespace {

using ProtectionRows::expand;

const char* const kBase = "685=1;782=0;10006=0;1052=0;704=0;10504=0;1330=0;572=0;571=0;13=0;118=0;884=0;1474=0;"
                          "691=0;673=0;680=0;1020=0;1012=0;1447=0;1336=0;1000=0;1057=0;1122=0;783=0";

struct StartMode {
    int id;
    const char* label;
    const char* screen;
};

// The start modes by the keys of the menu's table.
const QMap<QChar, StartMode>& startModes()
{
    static const QMap<QChar, StartMode> map{
        {'P', {691, "Подхват", "RunPickupModeForm"}},
        {'J', {673, "Толчковый", "RunPushModeForm"}},
        {'W', {680, "С раскачкой", "RunSwingModeForm"}},
        {'Y', {1020, "Пуск с синхронизацией", "RunSynchronFreqForm"}},
        {'K', {1012, "Пропуск резонансных частот", "RunSkipResonantFreqForm"}},
        {'T', {1447, "Автонастройка", "RunAutoSettingMotorForm"}},
        {'H', {1336, "Пуск с увеличенным моментом", "RunHighMomentForm"}},
        {'R', {1000, "Спецалгоритмы Zazarere", "RunDidezorModeForm"}},
        {'D', {1057, "Прямой пуск", "RunDirectModeForm"}},
        {'S', {1122, "Режим \"мягкого\" пуска", "RunSoftModeForm"}},
        {'A', {783, "Автоадаптация", "RunAutoAdaptationForm"}},
    };
    return map;
}

QString screenOf(int id)
{
    for (const StartMode& mode : startModes()) {
        if (mode.id == id)
            return QString::fromLatin1(mode.screen);
    }
    return QString();
}

} // namespace

class TestStartModes : public SimScreenTest
{
    Q_OBJECT

public:
    TestStartModes() : SimScreenTest(QString(), kBase) {}

private slots:
    void startModesMenu_data();
    void startModesMenu();
    void startModeScreens_data();
    void startModeScreens();
    void warningsOncePerShowing_data();
    void warningsOncePerShowing();
    void adaptationSwitchingFrequencies_data();
    void adaptationSwitchingFrequencies();
    void backToDrivePages_data();
    void backToDrivePages();

private:
    void key(int k) { UiFixture::key(ui_->window(), k); }
    void settle() { UiFixture::settle(40); }
    // Start mode `screen` among its siblings, built for `values` whether or not the menu offers it for them.
    BaseForm* showStartMode(const QString& screen, const QString& values);

};

BaseForm* TestStartModes::showStartMode(const QString& screen, const QString& values)
{
    // Values for which the menu offers each start mode.
    QString offer = "685=3;782=0;10504=0;1330=2";
    if (screen == QLatin1String("RunAutoSettingMotorForm") || screen == QLatin1String("RunHighMomentForm"))
        offer = "685=2;782=1;10006=0";
    else if (screen == QLatin1String("RunAutoAdaptationForm"))
        offer = "685=2;782=1;10006=1";
    if (!apply(offer))
        return nullptr;
    // Rows are built when a screen is first shown.
    const Pages list = RunningModeMenu::createNextForm();
    if (!apply(values))
        return nullptr;
    return ui_->showPage(list, screen);
}

void TestStartModes::startModesMenu_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("keys");
    // Values that change the menu after it was built, before a row is pressed.
    QTest::addColumn<QString>("later");

    QTest::newRow("own drive, induction") << "685=1;782=0" << "PJWYT" << "1330=2";
    QTest::newRow("own drive, induction, company 2") << "685=1;782=0;1330=2" << "PJWYTR" << "1330=0";
    QTest::newRow("own drive, induction, vector, company 4") << "685=1;782=0;10006=1;1330=4" << "PJWYTR" << "782=1";
    QTest::newRow("own drive, permanent magnet, U/f") << "685=1;782=1;10006=0" << "PJWYTH" << "782=0;1330=2";
    QTest::newRow("own drive, permanent magnet, vector") << "685=1;782=1;10006=1;1330=2" << "PJWYTH" << "782=0";
    QTest::newRow("Danfoss, induction, contactors and meter") << "685=2;782=0;1052=1;704=1" << "PJWYKD"
                                                              << "1052=0;1330=2";
    QTest::newRow("Danfoss, induction, no contactors, company 2") << "685=2;782=0;1052=0;704=1;1330=2" << "PJWYKR"
                                                                  << "1052=1;1330=0";
    QTest::newRow("Danfoss, induction, no meter link") << "685=2;782=0;1052=1;704=0" << "PJWYK" << "704=1;1330=4";
    QTest::newRow("Danfoss, permanent magnet, U/f: special algorithms for every company")
        << "685=2;782=1;10006=0;1330=0" << "PJWYKHRT" << "10006=1";
    QTest::newRow("Danfoss, permanent magnet, vector: auto-adaptation") << "685=2;782=1;10006=1" << "PYKTA"
                                                                        << "10006=0";
    QTest::newRow("Эталон, induction") << "685=3;782=0;10504=0" << "PJWYKDS" << "10504=5;1330=2";
    QTest::newRow("Эталон, induction, synchronising, company 2") << "685=3;782=0;10504=5;1330=2" << "PJWYKR"
                                                                 << "10504=0";
    QTest::newRow("Эталон, induction, 10504 not 5") << "685=3;782=0;10504=4" << "PJWYKDS" << "10504=5";
    QTest::newRow("Эталон, permanent magnet, U/f") << "685=3;782=1;10006=0" << "PJWYKR" << "782=0;10504=5";
    QTest::newRow("Эталон, permanent magnet, vector") << "685=3;782=1;10006=1" << "PYK" << "10006=0";
    QTest::newRow("fractions truncate: Эталон, induction") << "685=3.6;782=0.4;10504=0" << "PJWYKDS" << "10504=5";
    QTest::newRow("no drive") << "685=0;782=0" << "" << "";
    QTest::newRow("motor type 2") << "685=2;782=2" << "" << "";
    QTest::newRow("permanent magnet, control type 2") << "685=2;782=1;10006=2" << "" << "";
}

void TestStartModes::startModesMenu()
{
    QFETCH(QString, values);
    QFETCH(QString, keys);
    QFETCH(QString, later);
    QVERIFY(apply(values));
    BaseForm* menu = show(&VsdMenu::createNextForm, "RunningModeMenu");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("РЕЖИМЫ ПУСКА"));
    const QStringList shown = UiFixture::rowLines(menu, true);
    QStringList expected;
    QStringList pages;
    for (const QChar k : keys) {
        const StartMode mode = startModes().value(k);
        expected << QStringLiteral("statusButton %1 %2 :/images/off_protection").arg(mode.id).arg(mode.label);
        pages << QString::fromLatin1(mode.screen);
    }
    QCOMPARE(shown, expected);
    menu->setFormsList();
    QCOMPARE(menu->formsList().classNames(), pages);
    if (keys.isEmpty())
        return;

    // Once: on; permanently: restart; off: off.
    auto* pickup = qobject_cast<StatusPushButton*>(menu->rowAt(0));
    QVERIFY(pickup);
    const char* const icons[] = {":/images/on_protection", ":/images/restart_protection", ":/images/off_protection"};
    const float switches[] = {1.0f, 2.0f, 0.0f};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(apply(QStringLiteral("691=%1").arg(switches[i])));
        QCOMPARE(pickup->iconPath(), QString::fromLatin1(icons[i]));
    }

    // The equipment or the company change after the menu was built: the rows after the conditional ones still
    // open the modes they name.
    QVERIFY(apply(later));
    for (const int fromLast : {1, 0}) {
        menu = show(&VsdMenu::createNextForm, "RunningModeMenu");
        QVERIFY(menu);
        const int row = menu->rowCount() - 1 - fromLast;
        const QString named = screenOf(UiInspect::row(menu, row).id);
        QVERIFY(apply(values));
        menu->setCurrentRow(row);
        key(Qt::Key_Return);
        QCOMPARE(currentClass(), named);
        QVERIFY(apply(later));
    }
}

void TestStartModes::startModeScreens_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("rows");

    const QString repeat = "/0,1,2 ";
    const auto add = [&](const char* name, const char* screen, const QString& values, const char* title,
                         const QString& rows) {
        QTest::newRow(name) << screen << values << title << rows;
    };
    add("pickup, own drive", "RunPickupModeForm", "685=1", "ПОДХВАТ",
        "c691" + repeat + "e10098 e10137 e10495 e10096 e10062 e10061 e1214");
    add("pickup, Danfoss", "RunPickupModeForm", "685=2", "ПОДХВАТ",
        "c691" + repeat + "e1034 e1035 e1036 e1037 s10 e1214");
    add("pickup, Эталон", "RunPickupModeForm", "685=3", "ПОДХВАТ", "c691" + repeat + "e10264");
    add("pickup, no drive", "RunPickupModeForm", "685=0", "ПОДХВАТ", "c691" + repeat);

    add("jogging, own drive", "RunPushModeForm", "685=1", "ТОЛЧКОВЫЙ",
        "c673" + repeat + "e787 e788 e789 e790 e791 e792");
    add("jogging, Danfoss", "RunPushModeForm", "685=2", "ТОЛЧКОВЫЙ",
        "c673" + repeat + "e675 e676 e677 e679 e678 e1370");
    add("jogging, Эталон, level 2.9", "RunPushModeForm", "685=3;572=2.9", "ТОЛЧКОВЫЙ",
        "c673" + repeat + "e675 e679 e678");
    add("jogging, Эталон, level 3", "RunPushModeForm", "685=3;572=3", "ТОЛЧКОВЫЙ",
        "c673" + repeat + "e675 e679 e678 s10074 s10290 s10292 s10072");
    add("jogging, no drive", "RunPushModeForm", "685=0", "ТОЛЧКОВЫЙ", "c673" + repeat);

    add("swinging, own drive", "RunSwingModeForm", "685=1", "С РАСКАЧКОЙ",
        "c680" + repeat + "e793 e794 e795 e796 e797 e798 e799");
    add("swinging, Danfoss", "RunSwingModeForm", "685=2", "С РАСКАЧКОЙ",
        "c680" + repeat + "e682 e1419 e1425 e1423 e1424 e684 e683 e1420");
    add("swinging, Эталон", "RunSwingModeForm", "685=3", "С РАСКАЧКОЙ", "c680" + repeat + "e682 e684 e683");
    add("swinging, no drive", "RunSwingModeForm", "685=0", "С РАСКАЧКОЙ", "c680" + repeat + "e682 e684 e683");

    add("synchronisation", "RunSynchronFreqForm", "685=2", "ПУСК С СИНХРОНИЗАЦИЕЙ", "c1020" + repeat + "e1022 e1023");
    add("resonant frequencies", "RunSkipResonantFreqForm", "685=3", "ПРОПУСК РЕЗОНАНСНЫХ ЧАСТОТ",
        "c1012" + repeat + "e1014 e1015 e1016");

    add("auto-tuning, own drive", "RunAutoSettingMotorForm", "685=1", "АВТОНАСТРОЙКА",
        "c1447" + repeat + "e10105 e10106 e10068:+_(128(80h)) e10497:+_(176(B0h)) e10496:+_(214(D6h)) c10541");
    add("auto-tuning, Danfoss", "RunAutoSettingMotorForm", "685=2", "АВТОНАСТРОЙКА",
        "c1447" + repeat
            + "e1440 e1442 e1470 e1441 e1443 e1471 e1466 e1472 e1464 e1465 e1467 e1468 e1469 s10496:+_(214(D6h)) "
              "s10497 s1051");
    add("auto-tuning, Эталон", "RunAutoSettingMotorForm", "685=3", "АВТОНАСТРОЙКА", "c1447" + repeat);

    add("high torque", "RunHighMomentForm", "685=1", "С УВЕЛИЧЕННЫМ МОМЕНТОМ",
        "c1336" + repeat + "e1331 e1332 e1333 e1334 e1335 s1338 s1344 s1343 s1346 s1345 s1342 s1341 e1479");

    const QString special = "c1000/0,2 e1583 e1585 e1584 e1586 e1611 e1005 %1e1422 %2"
                            "e1587 e1588 e1589 e1590 e1591 e1592 e1593 e1594 e1595 e1596 e1597 e1598 %3"
                            "c1599/0,3 e1600 e1601 e1602 e1603 %4e1003 e1004 e1027%5";
    add("special algorithms, level 2", "RunDidezorModeForm", "572=2", "СПЕЦАЛГОРИТМЫ ZAZARERE",
        special.arg("", "", "", "", ""));
    add("special algorithms, level 3", "RunDidezorModeForm", "572=3", "СПЕЦАЛГОРИТМЫ ZAZARERE",
        special.arg("e1008 e1006 e1348 ", "e1428 e1429 ", "e1028 e999 e1025 e1579 e956 ", "e1605 e1604 e1427 ",
                    " c2050 e1220 e1446 e1461 e1462 e1010 e1449 e1450 e1451 e1452 e1453 e1454 e1445 e1455 e1456 "
                    "e1457 e1458 e1459 e1460 e1646 e1371 e1351 e1580 e1581 e1582"));

    add("direct start, own drive", "RunDirectModeForm", "685=1", "ПРЯМОЙ ПУСК",
        "c1057/0,3 s2 s1059 s3 s1060 s4 s1061");
    add("direct start, Эталон", "RunDirectModeForm", "685=3", "ПРЯМОЙ ПУСК", "c1057/0,3");
    add("soft start", "RunSoftModeForm", "685=3", "РЕЖИМ \"МЯГКОГО\" ПУСКА", "c1122/0,3");

    const QString pwm = "c1396/2,3,4,5,6,7,8,9,10,11,12,13,14 ";
    add("auto-adaptation, own drive", "RunAutoAdaptationForm", "685=1", "АВТОАДАПТАЦИЯ", "c783" + repeat);
    add("auto-adaptation, Danfoss, current of the station", "RunAutoAdaptationForm", "685=2;1474=0;572=2",
        "АВТОАДАПТАЦИЯ", "c783" + repeat + "c1218 s1475 s10161 s986 " + pwm);
    add("auto-adaptation, Danfoss, current of the drive, level 3", "RunAutoAdaptationForm", "685=2;1474=1;572=3",
        "АВТОАДАПТАЦИЯ", "c783" + repeat + "c1218 s10511 s10161 s986 " + pwm + "e1397 e1398 e1399 e1401 e1400 e1219 c1474");
}

void TestStartModes::startModeScreens()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, title);
    QFETCH(QString, rows);
    BaseForm* form = showStartMode(screen, values);
    QVERIFY2(form, qPrintable(screen));
    QCOMPARE(form->title(), title);
    QCOMPARE(ProtectionRows::shown(form), expand(rows));
}

void TestStartModes::warningsOncePerShowing_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    // Empty: no warning.
    QTest::addColumn<QString>("warning");

    const QString stop = "Для включения режима остановите двигатель!";
    const QString overload = "Включена защита \"Перегруз\"\nПри включении режима - защита будет неактивна!";
    const QString vector = "Для включения режима выберите векторное управление!";
    // Every screen that warns of a running motor, shown on an own drive with a permanent-magnet motor.
    const struct {
        const char* screen;
        int mode;
    } stopping[] = {{"RunPushModeForm", 673},     {"RunSwingModeForm", 680},        {"RunSynchronFreqForm", 1020},
                    {"RunAutoSettingMotorForm", 1447}, {"RunHighMomentForm", 1336}};
    for (const auto& s : stopping) {
        const QString base = QStringLiteral("685=1;782=1;%1=").arg(s.mode);
        QTest::addRow("%s, off, running", s.screen) << s.screen << base + "0;13=2" << stop;
        QTest::addRow("%s, off, running 3", s.screen) << s.screen << base + "0;13=3" << stop;
        QTest::addRow("%s, once, running", s.screen) << s.screen << base + "1;13=2" << "";
        QTest::addRow("%s, permanently, running", s.screen) << s.screen << base + "2;13=3" << "";
        QTest::addRow("%s, off, stopped", s.screen) << s.screen << base + "0;13=0" << "";
    }
    QTest::newRow("resonant frequencies, off, running") << "RunSkipResonantFreqForm" << "685=3;1012=0;13=2" << stop;
    QTest::newRow("resonant frequencies, on, running") << "RunSkipResonantFreqForm" << "685=3;1012=2;13=2" << "";
    QTest::newRow("pickup never warns") << "RunPickupModeForm" << "691=0;13=2;118=1" << "";
    QTest::newRow("special algorithms never warn") << "RunDidezorModeForm" << "685=3;782=1;1000=0;13=2;118=1"
                                                   << "";

    QTest::newRow("direct start off, overload blocks") << "RunDirectModeForm" << "685=3;1057=0;118=1" << overload;
    QTest::newRow("direct start off, overload restarts") << "RunDirectModeForm" << "685=3;1057=0;118=2"
                                                         << overload;
    QTest::newRow("direct start off, overload 0.5 is on") << "RunDirectModeForm" << "685=3;1057=0;118=0.5"
                                                          << overload;
    QTest::newRow("direct start off, overload off") << "RunDirectModeForm" << "685=3;1057=0;118=0" << "";
    QTest::newRow("direct start on") << "RunDirectModeForm" << "685=3;1057=3;118=1" << "";
    QTest::newRow("soft start off, overload on") << "RunSoftModeForm" << "685=3;1122=0;118=1" << overload;
    QTest::newRow("soft start on") << "RunSoftModeForm" << "685=3;1122=3;118=1" << "";

    const QString adaptation = "685=2;782=1;10006=1;783=%1;13=%2";
    QTest::newRow("adaptation, vector, running") << "RunAutoAdaptationForm" << adaptation.arg(0).arg(2) << stop;
    QTest::newRow("adaptation, vector, stopped") << "RunAutoAdaptationForm" << adaptation.arg(0).arg(0) << "";
    QTest::newRow("adaptation on once, running") << "RunAutoAdaptationForm" << adaptation.arg(1).arg(2) << "";
    QTest::newRow("adaptation on permanently, running") << "RunAutoAdaptationForm" << adaptation.arg(2).arg(3)
                                                        << "";
    // Shown under U/f: its start-mode list is read when the menu is built, the warning when the screen shows.
    QTest::newRow("adaptation under U/f, Danfoss") << "RunAutoAdaptationForm" << adaptation.arg(0).arg(0) + ";10006=0"
                                                   << vector;
    QTest::newRow("adaptation under U/f, Danfoss, running") << "RunAutoAdaptationForm"
                                                            << adaptation.arg(0).arg(2) + ";10006=0" << vector;
    QTest::newRow("adaptation under U/f, Эталон") << "RunAutoAdaptationForm" << adaptation.arg(0).arg(0)
                                                                                 + ";10006=0;685=3"
                                                  << vector;
    QTest::newRow("adaptation under U/f, own drive") << "RunAutoAdaptationForm"
                                                     << adaptation.arg(0).arg(2) + ";10006=0;685=1" << "";
    QTest::newRow("adaptation on once under U/f") << "RunAutoAdaptationForm" << adaptation.arg(1).arg(0) + ";10006=0"
                                                  << "";
}

void TestStartModes::warningsOncePerShowing()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, warning);
    DialogGate::clearRecords();
    QVERIFY2(showStartMode(screen, values), qPrintable(screen));
    settle();
    QCOMPARE(UiFixture::messages().size(), warning.isEmpty() ? 0 : 1);
    if (warning.isEmpty())
        return;
    QCOMPARE(UiFixture::messages().first().text, warning);
    QCOMPARE(UiFixture::messages().first().type, int(MessageDialog::Information));

    // Shown again while the warning is open: still one. Closed and shown again: warned again.
    for (const bool close : {false, true}) {
        if (close)
            UiFixture::closeMessages();
        ui_->window()->showPage(-1);
        ui_->window()->showPage(1);
        settle();
        QCOMPARE(currentClass(), screen);
        QCOMPARE(UiFixture::openMessages(warning), 1);
    }
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message, warning), 2);
}

void TestStartModes::adaptationSwitchingFrequencies_data()
{
    QTest::addColumn<QString>("ratedCurrent");
    QTest::addColumn<QStringList>("choices");

    const QStringList all{"2,0 кГц", "2,5 кГц", "3,0 кГц", "3,5 кГц", "4,0 кГц", "5,0 кГц", "6,0 кГц",
                          "7,0 кГц", "8,0 кГц", "9,0 кГц", "12,0 кГц", "14,0 кГц", "16,0 кГц"};
    for (const char* current : {"100", "160"})
        QTest::addRow("%s A: up to 8 kHz", current) << current << QStringList(all.mid(0, 9));
    for (const char* current : {"250", "400", "450"})
        QTest::addRow("%s A: 3 to 5 kHz", current) << current << QStringList(all.mid(2, 4));
    for (const char* current : {"630", "800"})
        QTest::addRow("%s A: up to 4 kHz", current) << current << QStringList(all.mid(0, 5));
    for (const char* current : {"200", "0", "1000"})
        QTest::addRow("%s A: every frequency", current) << current << all;
}

void TestStartModes::adaptationSwitchingFrequencies()
{
    QFETCH(QString, ratedCurrent);
    QFETCH(QStringList, choices);
    QVERIFY(apply("685=2;782=1;10006=1;884=" + ratedCurrent));
    BaseForm* form = show(&RunningModeMenu::createNextForm, "RunAutoAdaptationForm");
    QVERIFY(form);
    const RowInfo pwm = UiInspect::row(form, 5);
    QCOMPARE(pwm.id, 1396);
    QCOMPARE(pwm.texts, choices);
}

void TestStartModes::backToDrivePages_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("drivePages");

    const QStringList own{"RunningModeMenu", "VsdOptionsForm", "VsdUfSettingForm", "VsdResonanceForm",
                          "VsdVectorForm", "VsdServiceMenu", "VsdConnectForm"};
    const QStringList other{"RunningModeMenu", "VsdOptionsForm", "VsdUfSettingForm", "VsdServiceMenu",
                            "VsdConnectForm"};
    // Between them, every start mode.
    QTest::newRow("own drive, permanent magnet") << "685=1;782=1" << own;
    QTest::newRow("Эталон, induction, company 2") << "685=3;782=0;10504=0;1330=2" << other;
    QTest::newRow("Danfoss, permanent magnet, vector") << "685=2;782=1;10006=1" << other;
}

void TestStartModes::backToDrivePages()
{
    QFETCH(QString, values);
    QFETCH(QStringList, drivePages);
    QVERIFY(apply(values));
    BaseForm* menu = show(&VsdMenu::createNextForm, "RunningModeMenu");
    QVERIFY(menu);
    const int rows = menu->rowCount();
    QVERIFY(rows > 0);
    for (int row = 0; row < rows; ++row) {
        const QString screen = screenOf(UiInspect::row(current(), row).id);
        current()->setCurrentRow(row);
        key(Qt::Key_Return);
        QCOMPARE(currentClass(), screen);
        UiFixture::closeMessages();
        // Back among the drive pages, on the row of the screen left; from swinging, to the menu alone.
        key(Qt::Key_Escape);
        QCOMPARE(currentClass(), QStringLiteral("RunningModeMenu"));
        const bool alone = screen == QLatin1String("RunSwingModeForm");
        QCOMPARE(UiInspect::formClasses(ui_->window()), alone ? QStringList{"RunningModeMenu"} : drivePages);
        QCOMPARE(current()->currentRow(), row);
        if (alone)
            QVERIFY(show(&VsdMenu::createNextForm, "RunningModeMenu"));
    }
}

RVK_TEST_MAIN(TestStartModes)
#include "tst_startmodes.moc"
