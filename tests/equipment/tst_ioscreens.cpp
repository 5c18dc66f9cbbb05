// The calibration, relay output, analog output and bypass contactor screens: their rows for each configuration of
// the values that decide them, their self-rebuilds, the analog outputs' scale in the carried
// value's unit, and the bypass commands behind access and a question.
#include <QtTest>

#include <QLabel>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "equipment/analog_outputs_menu.h"
#include "equipment/corrections_form.h"
#include "equipment/equipmentmenu.h"
#include "equipment/relay_outputs_options_menu.h"
#include "screens/technologparamsmenu.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/baseeditwidget.h"
#include "ui/basestatuswidget.h"
#include "ui/mainwindow.h"
#include "ui/uiclock.h"

namespace {

// Shows `screen` among the page list of the menu that opens it.
bool show(UiFixture* ui, const QString& screen)
{
    for (BaseForm::PageList list : {&TechnologParamsMenu::createNextForm, &CorrectionsForm::createNextForm,
                                    &RelayOutputsOptionsMenu::createNextForm, &AnalogOutputsMenu::createNextForm,
                                    &EquipmentMenu::createNextForm}) {
        const Pages forms = list();
        if (forms.indexOf(screen) >= 0)
            return ui->showPage(forms, screen) != nullptr;
    }
    return false;
}

// Rows as "kind id label" from "e1403|s1144=Own label|c2085|t1055|b=Text": edit, status, combo, state text and
// button; a label not given is the catalogue's name of the id.
QStringList rows(const QByteArray& layout)
{
    static const QMap<QChar, QString> kinds{
        {'e', "edit"}, {'s', "status"}, {'c', "combo"}, {'t', "statusText"}, {'b', "button"}};
    QStringList lines;
    for (const QString& token : QString::fromUtf8(layout).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString head = token.section(QLatin1Char('='), 0, 0);
        const int id = head.size() > 1 ? head.mid(1).toInt() : -1;
        const QString label = token.contains(QLatin1Char('=')) ? token.section(QLatin1Char('='), 1)
                                                               : Common::getTextFromId(id);
        lines << QStringLiteral("%1 %2 %3").arg(kinds.value(head.at(0))).arg(id).arg(label);
    }
    return lines;
}

// Consecutive rows of one kind: triple('e', 1403) gives "e1403|e1404|e1405|".
QByteArray triple(char kind, int first)
{
    QByteArray layout;
    for (int id = first; id < first + 3; ++id)
        layout += kind + QByteArray::number(id) + '|';
    return layout;
}

int rowOfId(const BaseForm* form, int id)
{
    const QList<RowInfo> list = UiInspect::rows(form);
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).id == id)
            return i;
    }
    return -1;
}

} // namespace

class TestIoScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        MainApplication* app = MainApplication::getInstance();
        QVERIFY(app->initDatabase());
        app->initParameters();
    }
    void init()
    {
        ui_.reset(new UiFixture);
        UiClock::setRebuildDelayMs(20);
        // Values that decide rows, as the catalogue's defaults have them.
        ui_->report("571=0;572=0;1644=1;685=1;10504=0;2085=0;1178=0;1518=0");
    }
    void cleanup() { ui_.reset(); }

    void rowsPerConfiguration_data();
    void rowsPerConfiguration();
    void relayMenuReadsBoardOncePerBuild();
    void pagesRebuildOnTheirTrigger_data();
    void pagesRebuildOnTheirTrigger();
    void analogScaleInCarriedUnit_data();
    void analogScaleInCarriedUnit();
    void bypassCommandsAskAndWrite_data();
    void bypassCommandsAskAndWrite();

private:
    std::unique_ptr<UiFixture> ui_;
};

void TestIoScreens::rowsPerConfiguration_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("rows");
    // Choices of one row: "key" or "key=text" in order; none checked when empty.
    QTest::addColumn<int>("choiceRow");
    QTest::addColumn<QStringList>("choices");

    const QStringList none;
    QTest::newRow("calibration screen") << "CorrectionsForm" << "2085=1" << "Корректировки"
        << rows("c2085|b=Корректировка тока на входе|b=Корректировка напряжения на входе|"
                "b=Корректировка тока на выходе|b=Корректировка напряжения на выходе|"
                "b=Корректировка тока трансформатора|b=Корректировка напряжения трансформатора|"
                "b=Корректировка тока двигателя|b=Корректировка напряжения двигателя|"
                "b=Корректировка аналоговых входов")
        << 0 << QStringList{"0=Коэффициент", "1=Значение"};

    // The worked page: by coefficient with phase voltages, and by value with line voltages, the model on.
    QTest::newRow("output voltages, coefficient, phase") << "CorrectionsVoltageOut" << "1178=0;2085=0;1518=1"
        << "Корректировка напряжений на выходе"
        << rows("e1403=Коэффициент U|e1404=Коэффициент V|e1405=Коэффициент W|s1144=Напряжение U|"
                "s1145=Напряжение V|s1146=Напряжение W|s1524=Напряжение U|s1525=Напряжение V|s1526=Напряжение W")
        << -1 << none;
    QTest::newRow("output voltages, value, line") << "CorrectionsVoltageOut" << "1178=1;2085=1;1518=1"
        << "Корректировка напряжений на выходе"
        << rows("e1148=Напряжение UV|e1149=Напряжение VW|e1150=Напряжение WU|s1403=Коэффициент UV|"
                "s1404=Коэффициент VW|s1405=Коэффициент WU|s1528=Напряжение UV|s1529=Напряжение VW|"
                "s1530=Напряжение WU")
        << -1 << none;
    QTest::newRow("motor currents, value, model") << "CorrectionsCurrentMotor" << "2085=1;1518=1;1178=1"
        << "Корректировка токов двигателя" << rows(triple('e', 2) + triple('s', 1412) + triple('s', 1544)) << -1
        << none;
    QTest::newRow("input currents, never a model") << "CorrectionsCurrentIn" << "2085=0;1518=1;1178=1"
        << "Корректировка токов на входе" << rows(triple('e', 854) + triple('s', 857)) << -1 << none;
    QTest::newRow("input voltages, line labels") << "CorrectionsVoltageIn" << "2085=0;1518=1;1178=1"
        << "Корректировка напряжений на входе"
        << rows("e508=Коэффициент AB|e509=Коэффициент BC|e510=Коэффициент CA|" + triple('s', 709)) << -1 << none;
    QTest::newRow("output currents, model") << "CorrectionsCurrentOut" << "2085=0;1518=1;1178=1"
        << "Корректировка токов на выходе" << rows(triple('e', 511) + triple('s', 1163) + triple('s', 1520)) << -1
        << none;
    // 1178 = 0.5 truncates to phase voltages; type 2 counts as by value.
    QTest::newRow("transformer voltages, 0.5 and type 2") << "CorrectionsVoltageTrans" << "2085=2;1518=0;1178=0.5"
        << "Корректировка напряжений трансформатора" << rows(triple('e', 1152) + triple('s', 1409)) << -1 << none;
    QTest::newRow("transformer currents, value") << "CorrectionsCurrentTrans" << "2085=1;1518=0"
        << "Корректировка токов трансформатора" << rows(triple('e', 1167) + triple('s', 1406)) << -1 << none;
    QTest::newRow("motor voltages, line model") << "CorrectionsVoltageMotor" << "2085=0;1518=1;1178=1"
        << "Корректировка напряжений двигателя"
        << rows("e1415=Коэффициент AB|e1416=Коэффициент BC|e1417=Коэффициент CA|" + triple('s', 1159)
                + triple('s', 1552))
        << -1 << none;

    // The analog inputs look the same whatever the calibration settings; each selection keeps its own choices.
    // Type, sign, offset, coefficient, value of inputs 5 to 8.
    const int ai[4][5] = {{1100, 1083, 1082, 1084, 821}, {1071, 1085, 1063, 1064, 1062},
                          {1072, 1086, 1066, 1067, 1065}, {1073, 1087, 1069, 1070, 1068}};
    QByteArray inputs;
    for (const auto& input : ai)
        inputs += QStringLiteral("c%1|c%2|e%3|e%4|s%5|")
                      .arg(input[0]).arg(input[1]).arg(input[2]).arg(input[3]).arg(input[4]).toUtf8();
    const QString aiTitle = QStringLiteral("Корректировка аналоговых входов");
    QTest::newRow("analog inputs, type choices") << "CorrectionAI" << "2085=1;1178=1;1518=1" << aiTitle
                                                 << rows(inputs) << 0 << QStringList{"0=0 - 10 В", "1=4 - 20 мА"};
    QTest::newRow("analog inputs, sign choices") << "CorrectionAI" << "" << aiTitle << rows(inputs) << 16
                                                 << QStringList{"-1=-", "1=+"};
    QCOMPARE(rows(inputs).at(15), QStringLiteral("combo 1073 Ан. вх. 8. Тип"));

    QByteArray relays;
    for (int n = 1; n <= 12; ++n)
        relays += "b=Релейный выход " + QByteArray::number(n) + '|';
    QTest::newRow("relay menu, no board") << "RelayOutputsOptionsMenu" << "1644=0" << "Релейные выходы"
                                          << QStringList(rows(relays).mid(0, 4)) << -1 << none;
    QTest::newRow("relay menu, board") << "RelayOutputsOptionsMenu" << "1644=1" << "Релейные выходы" << rows(relays)
                                       << -1 << none;
    QTest::newRow("relay menu, board 0.5") << "RelayOutputsOptionsMenu" << "1644=0.5" << "Релейные выходы"
                                           << rows(relays) << -1 << none;
    QStringList functions;
    for (const char* text : {"Нет", "Стоп", "Работа", "АПВ", "Блок", "Tемпер. igbt 1", "Входной фильтр",
                             "СУ готова к запуску", "Авария СУ", "Удалённое управление", "Ручной/Авто"})
        functions << QStringLiteral("%1=%2").arg(functions.size()).arg(QString::fromUtf8(text));
    QTest::newRow("relay 1, none") << "RelayOutputsOptions1Form" << "962=0" << "Релейный выход 1" << rows("c962")
                                   << 0 << functions;
    QStringList reasons{"0=Любая", "6=Превышение питания сети", "5=Снижение питания сети"};
    for (int key : {21, 112, 119, 30, 4, 3, 20, 104, 105, 13, 116, 14, 16, 115, 41, 26, 42, 27, 100, 102, 101, 103,
                    107, 108, 109, 110, 120, 121, 122, 123, 2, 114, 9, 106, 111, 117})
        reasons << QString::number(key);
    reasons << "129=Перегрев радиатора";
    QTest::newRow("relay 3, station fault") << "RelayOutputsOptions3Form" << "964=8" << "Релейный выход 3"
                                            << rows("c964|c1740|e1752|e1764") << 1 << reasons;
    QTest::newRow("relay 2, 8.7 is the fault") << "RelayOutputsOptions2Form" << "963=8.7" << "Релейный выход 2"
                                               << rows("c963|c1739|e1751|e1763") << -1 << none;
    QTest::newRow("relay 12, temperature") << "RelayOutputsOptions12Form" << "1737=5" << "Релейный выход 12"
                                           << rows("c1737|e1761|e1773") << -1 << none;
    QTest::newRow("relay 5, outside the list") << "RelayOutputsOptions5Form" << "1730=11" << "Релейный выход 5"
                                               << rows("c1730|e1754|e1766") << -1 << none;
    QTest::newRow("relay 4, negative") << "RelayOutputsOptions4Form" << "965=-1" << "Релейный выход 4"
                                       << rows("c965") << -1 << none;

    QTest::newRow("analog menu") << "AnalogOutputsMenu" << "" << "Аналоговые выходы"
        << rows("b=Аналоговый выход 1|b=Аналоговый выход 2|b=Аналоговый выход 3|b=Аналоговый выход 4") << -1 << none;
    QTest::newRow("analog 1, off") << "AnalogOutput1Form" << "1615=0;1625=6" << "Аналоговый выход 1" << rows("c1615")
                                   << 0 << QStringList{"0=Откл", "1=0 - 10 В", "2=4 - 20 мА"};
    QStringList carried{"0=Не выбран", "10001=Вых. частота"};
    for (int key : {2, 3, 4, 5, 6, 9, 7, 11, 10, 10013, 10014, 1162, 10012, 1163, 1164, 1165, 709, 710, 711, 16,
                    10246, 10004, 10011, 15002, 15004, 15048, 15011, 15007, 15008, 15009})
        carried << QString::number(key);
    carried << "15010=Q на выкиде";
    QTest::newRow("analog 2, none carried") << "AnalogOutput2Form" << "1616=2;1626=0" << "Аналоговый выход 2"
                                            << rows("c1616|c1626") << 1 << carried;
    QTest::newRow("analog 3, motor current") << "AnalogOutput3Form" << "1617=1;1627=6" << "Аналоговый выход 3"
                                             << rows("c1617|c1627|s6|e1631|e1635") << -1 << none;
    QTest::newRow("analog 4, type 3 and 6.9") << "AnalogOutput4Form" << "1618=3;1628=6.9" << "Аналоговый выход 4"
                                              << rows("c1618|c1628|s6|e1632|e1636") << -1 << none;
    QTest::newRow("analog 1, known, not listed") << "AnalogOutput1Form" << "1615=1;1625=13" << "Аналоговый выход 1"
                                                 << rows("c1615|c1625|s13|e1629|e1633") << -1 << none;
    QTest::newRow("analog 1, unknown id") << "AnalogOutput1Form" << "1615=1;1625=30000" << "Аналоговый выход 1"
                                          << rows("c1615|c1625|e1629|e1633") << -1 << none;

    const QString bypass = QStringLiteral("Байпасные контакторы");
    QTest::newRow("bypass off") << "BypassContactorsForm" << "685=2;1052=0" << bypass << rows("c1052") << -1 << none;
    QTest::newRow("bypass on") << "BypassContactorsForm" << "685=2;1052=1" << bypass << rows("c1052|t1055|t1056") << 1
                               << QStringList{"0=Откл", "1=Вкл"};
    const QStringList states{"0=Не синхр.", "1=Норма", "2=Режим ВД", "3=Fбаз",       "4=Синхр. выкл",
                             "5=Вращение",  "6=Черед. фаз", "7=Uстаб", "8=ЧРП не готов", "9=Uбаз"};
    const QStringList commands = rows("b=Синхронизация с сетью|b=Команда перехода с режима на режим|t10507");
    QTest::newRow("bypass, reference drive") << "BypassContactorsForm" << "685=3;1052=1" << bypass << commands << 2
                                             << states;
    QTest::newRow("bypass, reference drive 3.5") << "BypassContactorsForm" << "685=3.5;1052=0" << bypass << commands
                                                 << -1 << none;
}

void TestIoScreens::rowsPerConfiguration()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, title);
    QFETCH(QStringList, rows);
    QFETCH(int, choiceRow);
    QFETCH(QStringList, choices);
    ui_->report(values);
    QVERIFY(show(ui_.get(), screen));
    BaseForm* form = ui_->window()->currentForm();
    QCOMPARE(form->title(), title.toUpper());
    QCOMPARE(UiFixture::rowLines(form), rows);
    if (choiceRow < 0)
        return;
    const RowInfo row = UiInspect::row(form, choiceRow);
    QCOMPARE(row.keys.size(), choices.size());
    for (int i = 0; i < choices.size(); ++i) {
        QCOMPARE(row.keys.at(i), choices.at(i).section(QLatin1Char('='), 0, 0).toInt());
        if (choices.at(i).contains(QLatin1Char('=')))
            QCOMPARE(row.texts.at(i), choices.at(i).section(QLatin1Char('='), 1));
    }
}

void TestIoScreens::relayMenuReadsBoardOncePerBuild()
{
    MainWindow* window = ui_->window();
    const auto press = [window](int row) {
        window->currentForm()->setCurrentRow(row);
        QTest::keyClick(window->currentForm()->currentWidget(), Qt::Key_Return);
    };

    // Twelve buttons built; the board reported gone before the press: the twelfth still opens relay 12.
    QVERIFY(show(ui_.get(), "RelayOutputsOptionsMenu"));
    QCOMPARE(window->currentForm()->childButtonCount(), 12);
    ui_->report("1644=0");
    press(11);
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("RelayOutputsOptions12Form"));
    QCOMPARE(UiInspect::formClasses(window).size(), 12);

    // Back builds the menu anew: four buttons now.
    QTest::keyClick(window->currentForm(), Qt::Key_Escape);
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("RelayOutputsOptionsMenu"));
    QCOMPARE(window->currentForm()->childButtonCount(), 4);

    // Four built, the board reported back: the fourth opens relay 4 among the four pages of that build.
    ui_->report("1644=1");
    press(3);
    QCOMPARE(UiInspect::formClasses(window),
             (QStringList{"RelayOutputsOptions1Form", "RelayOutputsOptions2Form", "RelayOutputsOptions3Form",
                          "RelayOutputsOptions4Form"}));
    QCOMPARE(UiInspect::currentIndex(window), 3);
}

void TestIoScreens::pagesRebuildOnTheirTrigger_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<int>("row");           // the row the cursor is on
    QTest::addColumn<bool>("fromNeighbour"); // the update arrives while the next page is on show
    QTest::addColumn<QString>("update");
    QTest::addColumn<bool>("rebuilds");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<int>("rowAfter");

    QTest::newRow("relay 3, function to 8") << "RelayOutputsOptions3Form" << "964=0" << 0 << false << "964=8" << true
                                            << 4 << 0;
    QTest::newRow("relay 3, 8 to 5 on row 1") << "RelayOutputsOptions3Form" << "964=8" << 1 << false << "964=5"
                                              << true << 3 << 1;
    QTest::newRow("relay 12, same function") << "RelayOutputsOptions12Form" << "1737=5" << 2 << false << "1737=5"
                                             << true << 3 << 2;
    QTest::newRow("relay 3, condition") << "RelayOutputsOptions3Form" << "964=8" << 1 << false << "1740=6" << false
                                        << 4 << 1;
    QTest::newRow("relay 3, while relay 4 on show") << "RelayOutputsOptions3Form" << "964=0" << 0 << true << "964=8"
                                                    << true << 4 << 0;
    QTest::newRow("analog 1, carried value") << "AnalogOutput1Form" << "1615=1;1625=6" << 1 << false << "1625=15004"
                                             << true << 5 << 1;
    QTest::newRow("analog 1, type off") << "AnalogOutput1Form" << "1615=1;1625=6" << 0 << false << "1615=0" << true
                                        << 1 << 0;
    QTest::newRow("analog 1, scale end") << "AnalogOutput1Form" << "1615=1;1625=6" << 3 << false << "1629=5" << false
                                         << 5 << 3;
    QTest::newRow("bypass, enabled") << "BypassContactorsForm" << "685=2;1052=0" << 0 << false << "1052=1" << true
                                     << 3 << 0;
    QTest::newRow("bypass, disabled on row 2") << "BypassContactorsForm" << "685=2;1052=1" << 2 << false << "1052=0"
                                               << true << 1 << 0;
    QTest::newRow("bypass, reference drive") << "BypassContactorsForm" << "685=3;1052=0" << 0 << false << "1052=1"
                                             << false << 3 << 0;
    QTest::newRow("bypass, while the motor on show") << "BypassContactorsForm" << "685=2;1052=0" << 0 << true
                                                     << "1052=1" << true << 3 << 0;
}

void TestIoScreens::pagesRebuildOnTheirTrigger()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(int, row);
    QFETCH(bool, fromNeighbour);
    QFETCH(QString, update);
    QFETCH(bool, rebuilds);
    QFETCH(int, rowsAfter);
    QFETCH(int, rowAfter);
    MainWindow* window = ui_->window();
    ui_->report(values);
    QVERIFY(show(ui_.get(), screen));
    QPointer<BaseForm> form = window->currentForm();
    form->setCurrentRow(row);
    if (fromNeighbour) {
        window->showPage(+1);
        const QString neighbour = UiInspect::currentClass(window);
        ui_->report(update);
        ui_->settle(60);
        // The operator stays where he is; the page comes back built anew.
        QCOMPARE(UiInspect::currentClass(window), neighbour);
        window->showPage(-1);
    } else {
        ui_->report(update);
        if (rebuilds)
            QTRY_VERIFY(window->currentForm() != form.data());
        else
            ui_->settle(60);
    }
    QCOMPARE(window->currentForm() != form.data(), rebuilds);
    QCOMPARE(UiInspect::currentClass(window), screen);
    QCOMPARE(window->currentForm()->rowCount(), rowsAfter);
    QCOMPARE(window->currentForm()->currentRow(), rowAfter);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(form.isNull(), rebuilds);
}

void TestIoScreens::analogScaleInCarriedUnit_data()
{
    QTest::addColumn<quint16>("carried");
    QTest::addColumn<QString>("values");   // display unit settings and the stored scale minimum
    QTest::addColumn<QString>("shown");    // the minimum as the page shows it
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");  // "stored value/eventType"

    QTest::newRow("motor current") << quint16(6) << "1629=10" << "10.0" << "А" << "25.5" << "25.5/1";
    QTest::newRow("intake temperature, °F") << quint16(15004) << "586=1;1629=0" << "32.0" << "°F" << "212"
                                            << "100/1";
    QTest::newRow("active power, kW") << quint16(10013) << "1629=15000" << "15.0" << "кВт" << "40" << "40000/1";
    // A value the mirror does not know lends nothing: the scale in its own unit.
    QTest::newRow("unknown id") << quint16(30000) << "1629=7" << "7.0" << "" << "8" << "8/1";
}

void TestIoScreens::analogScaleInCarriedUnit()
{
    QFETCH(quint16, carried);
    QFETCH(QString, values);
    QFETCH(QString, shown);
    QFETCH(QString, unit);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QVERIFY(!ui_->params()->contains(30000));
    struct Unit {
        quint8 physic;
        quint8 unitOut;
    };
    QList<Unit> before;
    for (quint16 id = 1629; id <= 1636; ++id)
        before.append({ui_->params()->getParameter(id)->physic, ui_->params()->getParameter(id)->unitOut});

    ui_->report(QStringLiteral("1615=1;1625=%1;1633=%2;").arg(carried).arg(100) + values);
    QVERIFY(show(ui_.get(), "AnalogOutput1Form"));
    ui_->settle();
    BaseForm* form = ui_->window()->currentForm();
    auto* minimum = qobject_cast<BaseEditWidget*>(form->rowAt(rowOfId(form, 1629)));
    auto* maximum = qobject_cast<BaseEditWidget*>(form->rowAt(rowOfId(form, 1633)));
    QVERIFY(minimum && maximum);
    QCOMPARE(minimum->valueText(), shown);
    QCOMPARE(minimum->unitText(), unit);
    QCOMPARE(maximum->unitText(), unit);
    // The scale in the same unit as the carried value's own row.
    if (auto* value = qobject_cast<BaseStatusWidget*>(form->rowAt(rowOfId(form, carried))))
        QCOMPARE(value->unitLabel_->text(), unit);

    FakeController mc;
    mc.setAccept(false);
    form->setCurrentRow(form->rowOf(minimum));
    minimum->enter();
    QVERIFY(minimum->isEditing());
    QVERIFY(minimum->confirm(typed));
    QCOMPARE(mc.writesOf(1629), QStringList{written});

    // The mirror's records of the scale ends, read by the register maps on their thread, are as they were.
    for (quint16 id = 1629; id <= 1636; ++id) {
        const ParameterDef* def = ui_->params()->getParameter(id);
        QCOMPARE(def->physic, before.at(id - 1629).physic);
        QCOMPARE(def->unitOut, before.at(id - 1629).unitOut);
        QVERIFY(ui_->params()->getTextUnit(def).isEmpty());
    }
}

void TestIoScreens::bypassCommandsAskAndWrite_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("password");  // the answer to a password dialog: none asked when invalid
    QTest::addColumn<int>("answer");         // the answer to the question, -1 unanswered
    QTest::addColumn<QString>("question");   // the question asked, empty when none
    QTest::addColumn<quint16>("id");
    QTest::addColumn<QStringList>("writes");

    const QVariant none;
    const QString sync = QStringLiteral("Синхронизировать с сетью?");
    const QString transition = QStringLiteral("Перейти с режима на режим?");
    QTest::newRow("synchronise, yes") << "571=0" << 0 << none << 1 << sync << quint16(10504) << QStringList{"1/1"};
    QTest::newRow("synchronise, refused") << "571=1;572=0" << 0 << QVariant(QString()) << 1 << QString()
                                          << quint16(10504) << QStringList{};
    QTest::newRow("transition, yes") << "571=0" << 1 << none << 1 << transition << quint16(10505)
                                     << QStringList{"1/1"};
}

void TestIoScreens::bypassCommandsAskAndWrite()
{
    QFETCH(QString, values);
    QFETCH(int, row);
    QFETCH(QVariant, password);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(quint16, id);
    QFETCH(QStringList, writes);
    ui_->report("685=3;" + values);
    QVERIFY(show(ui_.get(), "BypassContactorsForm"));
    BaseForm* form = ui_->window()->currentForm();
    FakeController mc;
    mc.setAccept(false);
    DialogGate::clearRecords();
    if (password.isValid())
        DialogGate::setNextAnswer(QVariant());
    if (answer >= 0)
        DialogGate::setNextAnswer(answer);
    form->setCurrentRow(row);
    QTest::keyClick(form->currentWidget(), Qt::Key_Return);

    QCOMPARE(UiFixture::dialogCount(DialogGate::Password), password.isValid() ? 1 : 0);
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty()) {
        QCOMPARE(UiFixture::messages().first().text, question);
        QCOMPARE(UiFixture::messages().first().type, 0);
    }
    QCOMPARE(mc.writesOf(id), writes);
    QCOMPARE(mc.writes().size(), writes.size());
    DialogGate::clearAnswers();
}

RVK_TEST_MAIN(TestIoScreens)
#include "tst_ioscreens.moc"
