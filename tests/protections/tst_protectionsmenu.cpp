// The protection menus on the simulated controller: their rows and icons for the values that decide them, icons
// that follow the actions, rows that open the screen they name whatever changed since, and the ways back.
#include <QtTest>

#include "app/parameters.h"
#include "protections/protections_menu.h"
#include "screens/mainmenu.h"
#include "support/simscreentest.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"
#include "ui/statuspushbutton.h"

namespace {

const char* const kBase = "685=1;782=0;572=0;43=0;58=1;73=2;88=1;103=3;118=0;133=1;163=2;178=0;148=1;193=2;"
                          "208=1;936=0;223=2;253=1;918=0;2056=2;2088=1;238=1;388=0;402=3;417=2;778=0;967=1;1560=2";

// "kind id label icon": the icon's resource name for status buttons, "icon" for a plain button with one.
QStringList shownRows(const BaseForm* form)
{
    QStringList rows;
    for (int i = 0; i < form->rowCount(); ++i) {
        const RowInfo row = UiInspect::row(form, i);
        QString icon = row.value.section('/', -1);
        if (row.kind == QLatin1String("button"))
            icon = static_cast<PushButton*>(form->rowAt(i))->icon().isNull() ? QString() : QStringLiteral("icon");
        else if (row.kind != QLatin1String("statusButton"))
            icon.clear();
        rows << QStringLiteral("%1 %2 %3 %4").arg(row.kind).arg(row.id).arg(row.label, icon).trimmed();
    }
    return rows;
}

QString status(int id, const QString& text, const QString& icon)
{
    return QStringLiteral("statusButton %1 %2 %3_protection").arg(id).arg(text, icon);
}

} // namespace

class TestProtectionsMenu : public SimScreenTest
{
    Q_OBJECT

public:
    TestProtectionsMenu() : SimScreenTest(QString(), kBase) {}

private slots:
    void menusFollowConfiguration_data();
    void menusFollowConfiguration();
    void iconFollowsTheAction_data();
    void iconFollowsTheAction();
    void menusShareTheirPictures();
    void rowOpensTheScreenItNames_data();
    void rowOpensTheScreenItNames();
    void backTargetsAndFocus_data();
    void backTargetsAndFocus();

private:
    void key(int k);

};

void TestProtectionsMenu::key(int k)
{
    QTest::keyClick(current(), static_cast<Qt::Key>(k));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestProtectionsMenu::menusFollowConfiguration_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("pages");

    QTest::newRow("protections") << "ProtectionsMenu" << ""
                                 << QStringList{"button -1 Защиты по сети", "button -1 Защиты двигателя",
                                                "button -1 Защиты по ТМС", "button -1 Защиты по аналоговым входам",
                                                "button -1 Защиты по цифровым входам", "button -1 Защиты прочие",
                                                "combo 1483 Сигнализация отклонения рабочих параметров",
                                                "button -1 Сбросить уставки по умолчанию"}
                                 << QStringList{"ProtectionsSupplyMenu", "ProtectionsMotorMenu", "ProtectionsDhsMenu",
                                                "ProtectionAnalogInputsMenu", "ProtectionDigitalInputsMenu",
                                                "ProtectionsOtherMenu"};

    const QStringList supply{status(43, "Повышенное напряжение", "off"), status(58, "Пониженное напряжение", "block"),
                             status(73, "Дисбаланс напряжения", "restart"),
                             status(88, "Дисбаланс входных токов", "block"), status(103, "Чередование фаз", "on")};
    const QStringList supplyPages{"ProtectionOvervoltageInputForm", "ProtectionUndervoltageInputForm",
                                  "ProtectionImbalanceVoltageInputForm", "ProtectionImbalanceCurrentInputForm",
                                  "ProtectionPhaseRotationForm"};
    for (int level : {0, 1, 2})
        QTest::addRow("supply, level %d", level) << "ProtectionsSupplyMenu" << QString("572=%1").arg(level) << supply
                                                 << supplyPages;
    for (int level : {3, 4}) {
        // The outage row shows "on" whatever its setting.
        QTest::addRow("supply, level %d", level)
            << "ProtectionsSupplyMenu" << QString("572=%1;1476=0").arg(level)
            << supply + QStringList{"button -1 Отключение питания сети icon"}
            << supplyPages + QStringList{"ProtectionPowerOffForm"};
    }

    const QStringList motor{status(118, "Перегруз (ЗП)", "off"), status(133, "Недогруз (ЗСП)", "block"),
                            status(163, "Дисбаланс токов двигателя", "restart"),
                            status(178, "Турбинное вращение", "off"), status(148, "Предел тока двигателя", "block")};
    const QStringList motorPages{"ProtectionOverloadMotorForm", "ProtectionUnderloadMotorForm",
                                 "ProtectionImbalanceCurrentMotorForm", "ProtectionTurbineRotationForm",
                                 "ProtectionCurrentMotorForm"};
    QTest::newRow("motor, induction") << "ProtectionsMotorMenu" << "782=0" << motor << motorPages;
    QTest::newRow("motor, permanent magnet")
        << "ProtectionsMotorMenu" << "782=1" << motor + QStringList{status(193, "Рассинхронизация ПВЭД", "restart")}
        << motorPages + QStringList{"ProtectionOutOfSyncMotorForm"};

    QTest::newRow("downhole sensors")
        << "ProtectionsDhsMenu" << ""
        << QStringList{status(208, "Давление на приёме насоса", "block"),
                       status(936, "Давление на выкиде насоса", "off"), status(223, "Температура двигателя", "restart"),
                       status(253, "Вибрация двигателя", "block"), status(918, "Минимальный расход", "off"),
                       status(2056, "Температура на приёме", "restart"), status(2088, "Потеря связи с ТМС", "block")}
        << QStringList{"ProtectionPressureIntakeForm",    "ProtectionPressureDischargeForm",
                       "ProtectionTemperatureMotorForm",  "ProtectionVibrationMotorForm",
                       "ProtectionFlowDischargeForm",     "ProtectionTemperatureIntakeForm",
                       "ProtectionConnectDhsForm"};

    const QStringList otherHead{status(238, "Сопротивление изоляции", "block"),
                                status(388, "Защита от превышения числа пусков", "off"),
                                status(402, "Защита открытия двери станции", "on"),
                                status(417, "Аппаратные защиты ЧРП", "restart"),
                                status(778, "Защита от потери связи с ЧРП", "off")};
    const QStringList otherPages{"ProtectionResistanceIsolationForm", "ProtectionOvernumberOfStartForm",
                                 "ProtectionLockDoorForm", "HardwareVsdForm", "VsdNoConnectForm"};
    const QString filter = status(967, "Защита от перегрева фильтра", "block");
    const QString heatsink = status(1560, "Перегрев радиатора", "restart");
    for (int vsd : {0, 3}) {
        QTest::addRow("other, drive %d", vsd) << "ProtectionsOtherMenu" << QString("685=%1").arg(vsd)
                                              << otherHead + QStringList{heatsink}
                                              << otherPages + QStringList{"ProtectionOverheatIgbtForm"};
    }
    for (int vsd : {1, 2}) {
        QTest::addRow("other, drive %d", vsd)
            << "ProtectionsOtherMenu" << QString("685=%1").arg(vsd) << otherHead + QStringList{filter, heatsink}
            << otherPages + QStringList{"ProtectionOverheatInputFilterForm", "ProtectionOverheatIgbtForm"};
    }
}

void TestProtectionsMenu::menusFollowConfiguration()
{
    QFETCH(QString, menu);
    QFETCH(QString, values);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, pages);
    QVERIFY(apply(values));
    BaseForm* form = menu == QLatin1String("ProtectionsMenu") ? show(&MainMenu::createNextForm, menu)
                                                              : show(&ProtectionsMenu::createNextForm, menu);
    QVERIFY(form);
    QCOMPARE(shownRows(form), rows);
    form->setFormsList();
    QCOMPARE(form->formsList().classNames(), pages);
}

void TestProtectionsMenu::iconFollowsTheAction_data()
{
    QTest::addColumn<quint32>("raw");
    QTest::addColumn<QString>("icon");

    QTest::newRow("off") << Common::floatBits(0.0f) << ":/images/off_protection";
    QTest::newRow("block") << Common::floatBits(1.0f) << ":/images/block_protection";
    QTest::newRow("restart") << Common::floatBits(2.0f) << ":/images/restart_protection";
    QTest::newRow("on") << Common::floatBits(3.0f) << ":/images/on_protection";
    QTest::newRow("2.5 is restart") << Common::floatBits(2.5f) << ":/images/restart_protection";
    QTest::newRow("7 has no icon") << Common::floatBits(7.0f) << ":/images/off_protection";
    QTest::newRow("negative") << Common::floatBits(-1.0f) << ":/images/off_protection";
    QTest::newRow("not a number") << 0x7FC00000u << ":/images/off_protection";
    QTest::newRow("no value") << 0xFFFFFFFFu << ":/images/off_protection";
}

void TestProtectionsMenu::iconFollowsTheAction()
{
    QFETCH(quint32, raw);
    QFETCH(QString, icon);
    QVERIFY(apply("73=2"));
    BaseForm* form = show(&ProtectionsMenu::createNextForm, "ProtectionsSupplyMenu");
    QVERIFY(form);
    auto* button = qobject_cast<StatusPushButton*>(form->rowAt(2));
    QVERIFY(button);
    QCOMPARE(button->id(), quint16(73));
    QCOMPARE(button->iconPath(), QStringLiteral(":/images/restart_protection"));

    // The icon changes with the update itself, not with the rows' delayed refresh.
    Parameters* params = ui_->params();
    station_->sim()->setRaw(73, raw);
    QVERIFY(SimStation::waitFor([&] { return params->getU32(73) == raw; }));
    QCOMPARE(button->iconPath(), icon);
    QCOMPARE(button->icon().isNull(), false);
}

// Every menu built draws the same few pictures: they are cached once, not once per button.
void TestProtectionsMenu::menusShareTheirPictures()
{
    QVERIFY(apply("43=0;58=0"));
    const auto pictureOf = [this](int row) {
        BaseForm* form = show(&ProtectionsMenu::createNextForm, "ProtectionsSupplyMenu");
        auto* button = form ? qobject_cast<StatusPushButton*>(form->rowAt(row)) : nullptr;
        return button ? button->icon().pixmap(32).cacheKey() : 0;
    };
    const qint64 first = pictureOf(0);
    QVERIFY(first != 0);
    QCOMPARE(pictureOf(1), first);
    QCOMPARE(pictureOf(0), first);
}

void TestProtectionsMenu::rowOpensTheScreenItNames_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("opens");

    QTest::newRow("heatsink after the filter row came") << "ProtectionsOtherMenu" << "685=0" << "685=1"
                                                        << "Перегрев радиатора" << "ProtectionOverheatIgbtForm";
    QTest::newRow("heatsink after the filter row went") << "ProtectionsOtherMenu" << "685=2" << "685=3"
                                                        << "Перегрев радиатора" << "ProtectionOverheatIgbtForm";
    QTest::newRow("filter after its drive went") << "ProtectionsOtherMenu" << "685=1" << "685=0"
                                                 << "Защита от перегрева фильтра"
                                                 << "ProtectionOverheatInputFilterForm";
    QTest::newRow("synchronism after the motor type changed")
        << "ProtectionsMotorMenu" << "782=1" << "782=0" << "Рассинхронизация ПВЭД" << "ProtectionOutOfSyncMotorForm";
    QTest::newRow("outage after the level fell") << "ProtectionsSupplyMenu" << "572=3" << "572=0"
                                                 << "Отключение питания сети" << "ProtectionPowerOffForm";
}

void TestProtectionsMenu::rowOpensTheScreenItNames()
{
    QFETCH(QString, menu);
    QFETCH(QString, built);
    QFETCH(QString, pressed);
    QFETCH(QString, row);
    QFETCH(QString, opens);
    QVERIFY(apply(built));
    BaseForm* form = show(&ProtectionsMenu::createNextForm, menu);
    QVERIFY(form);
    const QStringList shown = shownRows(form);
    int index = -1;
    for (int i = 0; i < shown.size(); ++i) {
        if (shown.at(i).contains(row))
            index = i;
    }
    QVERIFY(index >= 0);
    const int position = form->childButtonPosition(index);
    const int buttons = form->childButtonCount();
    QVERIFY(apply(pressed));
    form->setCurrentRow(index);
    key(Qt::Key_Return);
    // The pages the rows were built for, the one of the row on show.
    QCOMPARE(currentClass(), opens);
    QCOMPARE(ui_->window()->currentIndex(), position);
    QCOMPARE(UiInspect::formClasses(ui_->window()).size(), buttons);
}

// The tree walk goes back from every screen it reaches; these are the rows it does not reach.
void TestProtectionsMenu::backTargetsAndFocus_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("focus");

    QTest::newRow("outage, a plain row") << "572=3" << "ProtectionPowerOffForm" << "ProtectionsSupplyMenu" << 5;
    QTest::newRow("heatsink without the filter row") << "685=3" << "ProtectionOverheatIgbtForm"
                                                     << "ProtectionsOtherMenu" << 5;
}

void TestProtectionsMenu::backTargetsAndFocus()
{
    QFETCH(QString, values);
    QFETCH(QString, screen);
    QFETCH(QString, menu);
    QFETCH(int, focus);
    QVERIFY(apply(values));
    BaseForm* form = show(&ProtectionsMenu::createNextForm, menu);
    QVERIFY(form);
    int row = 0;
    while (form->childButtonPosition(row) != focus)
        ++row;
    form->setCurrentRow(row);
    key(Qt::Key_Return);
    QCOMPARE(currentClass(), screen);
    key(Qt::Key_Escape);
    QCOMPARE(currentClass(), menu);
    QCOMPARE(UiInspect::formClasses(ui_->window()),
             QStringList({"ProtectionsSupplyMenu", "ProtectionsMotorMenu", "ProtectionsDhsMenu",
                          "ProtectionAnalogInputsMenu", "ProtectionDigitalInputsMenu", "ProtectionsOtherMenu"}));
    QCOMPARE(current()->currentRow(), row);
}

RVK_TEST_MAIN(TestProtectionsMenu)
#include "tst_protectionsmenu.moc"
