// The digital and analog input protections on the simulated controller: the rows of each page for the values
// that decide them, the menus, a custom name typed on the keyboard and read back everywhere, and the unit texts of
// the analog inputs that follow the measured quantity.
#include <QLabel>
#include <QtTest>

#include "app/parameters.h"
#include "log/log_event.h"
#include "protections/protection_analog_input_forms.h"
#include "protections/protection_analog_inputs_menu.h"
#include "protections/protection_digital_input_forms.h"
#include "protections/protection_digital_inputs_menu.h"
#include "protections/protections_menu.h"
#include "support/protectionrows.h"
#include "support/simscreentest.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/basecombobox.h"
#include "ui/baseeditwidget.h"
#include "ui/basestringeditwidget.h"
#include "ui/mainwindow.h"
#include "ui/statuspushbutton.h"
#include "ui/uiclock.h"

namespace {

using ProtectionRows::expand;

const char* const kBase = "1483=1;1644=1;572=0;571=0;13=0;1231=0;822=1;1105=0";
constexpr quint32 kNaN = 0x7FC00000u;

// Parameters of digital input n by the controller's numbering: type, state, action, name choice, first name
// (0: none), protection action, deviation alarm, first time, reset.
QList<int> digitalIds(int n)
{
    if (n <= 4)
        return {799 + n, 23 + n, 803 + n, 1230 + n, 2123 + 2 * n, 313 + 15 * n, 1498 + n, 315 + 15 * n, 625 + n};
    if (n <= 10)
        return {1216 + n, 804 + n, 1220 + n, 1228 + n, 2119 + 2 * n, 1120 + 17 * n, 1496 + n, 1122 + 17 * n, 1300 + n};
    const int b = 1500 + 22 * n;
    return {b + 1, 1761 + n, b, b + 2, 0, b + 4, b + 21, b + 6, b + 3};
}

QString digitalRows(int n, bool nameRow, bool deviation)
{
    const QList<int> d = digitalIds(n);
    QString rows = QStringLiteral("c%1 t%2/0,1 c%3/0,1,2,3,4,5,6 c%4/0,1,2,3,4 ").arg(d[0]).arg(d[1]).arg(d[2]).arg(d[3]);
    rows += (nameRow ? QStringLiteral("n%1 ").arg(d[4]) : QString()) + QStringLiteral("a%1 ").arg(d[5]);
    rows += deviation ? QStringLiteral("d%1 ").arg(d[6]) : QString();
    const int t = d[7];
    return rows + QStringLiteral("e%1:B e%2:W e%3:RD e%4:RA e%5:RC R").arg(t).arg(t + 1).arg(t + 2).arg(t + 3).arg(t + 4);
}

QStringList texts(const PairList& list)
{
    QStringList out;
    for (int i = 0; i < list.size(); ++i)
        out << list.value(i);
    return out;
}

} // namespace

class TestInputProtections : public SimScreenTest
{
    Q_OBJECT

public:
    TestInputProtections() : SimScreenTest(QString(), kBase) {}

private slots:
    void init();

    void digitalInputPages_data();
    void digitalInputPages();
    void analogInputPages_data();
    void analogInputPages();
    void inputMenus_data();
    void inputMenus();
    void customNameTypedAndShownBack_data();
    void customNameTypedAndShownBack();
    void unitTextsFollowQuantity_data();
    void unitTextsFollowQuantity();
    void unitRefreshOncePerInterval();

private:
    bool applyRaw(quint16 id, quint32 raw);
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

};

void TestInputProtections::init()
{
    SimScreenTest::init();
    UiClock::setRebuildDelayMs(10);
    UiClock::setUnitRefreshMs(40);
}

bool TestInputProtections::applyRaw(quint16 id, quint32 raw)
{
    station_->sim()->setRaw(id, raw);
    Parameters* params = ui_->params();
    return SimStation::waitFor([=] { return params->getU32(id) == raw; });
}

void TestInputProtections::digitalInputPages_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("nameRow");
    QTest::addColumn<bool>("deviation");

    // Inputs 1-10 offer a name of their own (choice 0 by default), the extension inputs do not.
    for (int n : {1, 2, 3, 4, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24})
        QTest::addRow("input %d", n) << n << "" << (n <= 10) << true;
    QTest::newRow("input 1, named by a choice, alarms off") << 1 << "1231=1;1483=0" << false << false;
    QTest::newRow("input 1, choice 0.7 is its own name, alarms 0.5 are off") << 1 << "1231=0.7;1483=0.5" << true
                                                                            << false;
    QTest::newRow("input 4, contact opens, acts as a protection, level 4") << 4 << "803=1;807=4;572=4" << true
                                                                           << true;
    QTest::newRow("input 10, alarms 65536 are off") << 10 << "1483=65536" << true << false;
    QTest::newRow("input 13, a fixed name") << 13 << "1788=3" << false << true;
}

void TestInputProtections::digitalInputPages()
{
    QFETCH(int, input);
    QFETCH(QString, values);
    QFETCH(bool, nameRow);
    QFETCH(bool, deviation);
    // Input 1 is named "ABCDEFGH", first letter lowest; the others have no name.
    QVERIFY(applyRaw(2125, 0x44434241u));
    QVERIFY(applyRaw(2126, 0x48474645u));
    QVERIFY(apply(values));
    const QString screen = QStringLiteral("ProtectionDigitalInput%1Form").arg(input);
    BaseForm* form = show(&ProtectionDigitalInputsMenu::createNextForm, screen);
    QVERIFY2(form, qPrintable(screen));
    QCOMPARE(form->title(), QStringLiteral("ЦИФРОВОЙ ВХОД %1").arg(input));
    QCOMPARE(ProtectionRows::shown(form), expand(digitalRows(input, nameRow, deviation)));
    QCOMPARE(int(qobject_cast<BaseProtectionForm*>(form)->resetId()), digitalIds(input).at(8));
    QCOMPARE(ProtectionRows::notReset(form), QStringList());

    const QString ownName = input == 1 ? QStringLiteral("ABCDEFGH") : QString();
    QCOMPARE(UiInspect::row(form, 3).texts,
             QStringList({ownName, "Контактный манометр", "Авария реле контроля фаз", "Разрешение на запуск",
                          "Аварийное отключение"}));
    if (nameRow)
        QTRY_COMPARE(UiInspect::row(form, 4).value, ownName);
    QVERIFY(applyRaw(2125, 0));
    QVERIFY(applyRaw(2126, 0));
}

void TestInputProtections::analogInputPages_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("rows");

    const QString sign = "/-1,1";
    const QString quantities = "/0,1,9,10,11,2,3,4,5,6,7,8";
    const auto head = [&](int n, const QString& units, const QString& deviation) {
        const int a = 253 + 15 * n;
        return QStringLiteral("c%1/0,2,1 c%2%3 e%4 e%5 s%6 s%7 c%8%9 %10c%11/%12 ")
                   .arg(819 + 4 * n).arg(1086 + 3 * n).arg(sign).arg(1085 + 3 * n).arg(1087 + 3 * n).arg(17 + n)
                   .arg(837 + n).arg(818 + 4 * n).arg(quantities)
                   .arg(n == 4 ? deviation : QString()).arg(1104 + n).arg(units)
            + QStringLiteral("c%1%2 e%3 c%4%2 e%5 a%6 c%7/0,1,2 %8")
                  .arg(1178 + 6 * n).arg(sign).arg(820 + 4 * n).arg(1179 + 6 * n).arg(821 + 4 * n).arg(a)
                  .arg(2112 + n).arg(n == 4 ? QString() : deviation)
            + QStringLiteral("c%1%2 e%3 c%4%2 e%5 c%6%2 e%7 c%8%2 e%9 ")
                  .arg(1180 + 6 * n).arg(sign).arg(a + 7).arg(1182 + 6 * n).arg(a + 8).arg(1181 + 6 * n)
                  .arg(a + 9).arg(1183 + 6 * n).arg(1108 + n)
            + QStringLiteral("e%1 e%2 e%3 e%4 %5e%6 e%7 R")
                  .arg(a + 2).arg(a + 3).arg(2108 + n).arg(a + 4).arg(n == 1 ? "e2117 " : "").arg(a + 5).arg(a + 6);
    };
    const QString pressures = "0,1,2,3,4,5";
    QTest::newRow("input 1, pressure, alarms on") << "ProtectionAnalogInput1Form" << "822=1"
                                                  << head(1, pressures, "d1507 ");
    QTest::newRow("input 1, 4-20 mA, temperature, level 4, alarms 0.5 count as off")
        << "ProtectionAnalogInput1Form" << "823=1;822=2;572=4;1483=0.5" << head(1, "0,1", "");
    QTest::newRow("input 2, flow: no upper restart delay") << "ProtectionAnalogInput2Form" << "826=6"
                                                           << head(2, "0,1,2,3", "d1508 ");
    QTest::newRow("input 3, no quantity: no units") << "ProtectionAnalogInput3Form" << "830=0;1483=0"
                                                    << head(3, "", "");
    QTest::newRow("input 4: the alarm row after the quantity") << "ProtectionAnalogInput4Form" << "834=3"
                                                               << head(4, "0,1,2", "d1510 ");
    QTest::newRow("input 4, alarms off: the others' order") << "ProtectionAnalogInput4Form" << "834=9;1483=0"
                                                            << head(4, pressures, "");
}

void TestInputProtections::analogInputPages()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, rows);
    QVERIFY(apply(values));
    BaseForm* form = show(&ProtectionAnalogInputsMenu::createNextForm, screen);
    QVERIFY2(form, qPrintable(screen));
    QCOMPARE(ProtectionRows::shown(form), expand(rows));
    QCOMPARE(ProtectionRows::notReset(form), QStringList());
    const RowInfo type = UiInspect::row(form, 0);
    QCOMPARE(type.label, QStringLiteral("Тип входа"));
    QCOMPARE(type.texts, QStringList({"0 - 10 В", "0 - 4 В", "4 - 20 мА"}));
    QCOMPARE(UiInspect::row(form, 1).texts, QStringList({"Отрицательная", "Положительная"}));
    QCOMPARE(UiInspect::row(form, 4).label, QStringLiteral("Текущее значение"));
    QCOMPARE(form->title(), screen.mid(21).chopped(4).prepend("ЗАЩИТА ПО АНАЛОГОВОМУ ВХОДУ "));
}

void TestInputProtections::inputMenus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("values");
    // A parameter that reads "not a number" (0: none).
    QTest::addColumn<int>("nan");
    QTest::addColumn<QStringList>("rows");

    const auto button = [](int id, const QString& text, const QString& icon) {
        return QStringLiteral("%1 %2 %3").arg(id).arg(text, icon);
    };
    QString actions = "328=0;343=1;358=2;373=3;1239=0;1256=1;1273=2;1290=0";
    for (int n = 13; n <= 24; ++n)
        actions += QStringLiteral(";%1=%2").arg(1790 + 22 * (n - 13)).arg(n == 13 ? 1 : n == 24 ? 2 : 0);
    QStringList base{button(328, "Цифровой вход 1", "off"), button(343, "Цифровой вход 2", "block"),
                     button(358, "Цифровой вход 3", "restart"), button(373, "Цифровой вход 4", "off"),
                     button(1239, "Цифровой вход 7", "off"), button(1256, "Цифровой вход 8", "block"),
                     button(1273, "Цифровой вход 9", "restart"), button(1290, "Цифровой вход 10", "off")};
    QStringList extension;
    for (int n = 13; n <= 24; ++n) {
        const int id = 1790 + 22 * (n - 13);
        extension << button(id, QStringLiteral("Цифровой вход %1").arg(n),
                             n == 13 ? "block" : n == 24 ? "restart" : "off");
    }
    for (const char* board : {"0", "0.5", "65536"})
        QTest::addRow("digital, extension board %s", board)
            << "ProtectionDigitalInputsMenu" << actions + ";1644=" + board << 0 << base;
    QTest::newRow("digital, extension board fitted, an action not a number")
        << "ProtectionDigitalInputsMenu" << actions + ";1644=1" << 1239 << base + extension;

    QTest::newRow("analog: the stronger of the two actions")
        << "ProtectionAnalogInputsMenu" << "268=1;2113=2;283=2;2114=2;298=0;2115=1;313=3;2116=0" << 0
        << QStringList{button(2113, "Аналоговый вход 1", "restart"), button(283, "Аналоговый вход 2", "restart"),
                       button(2115, "Аналоговый вход 3", "block"), button(313, "Аналоговый вход 4", "off")};
    QTest::newRow("analog: a lower action not a number")
        << "ProtectionAnalogInputsMenu" << "268=0;2113=1;283=0;2114=0;298=1;2115=0;313=0;2116=2" << 268
        << QStringList{button(268, "Аналоговый вход 1", "off"), button(283, "Аналоговый вход 2", "off"),
                       button(298, "Аналоговый вход 3", "block"), button(2116, "Аналоговый вход 4", "restart")};
}

void TestInputProtections::inputMenus()
{
    QFETCH(QString, menu);
    QFETCH(QString, values);
    QFETCH(int, nan);
    QFETCH(QStringList, rows);
    QVERIFY(apply(values));
    if (nan)
        QVERIFY(applyRaw(static_cast<quint16>(nan), kNaN));
    BaseForm* form = show(&ProtectionsMenu::createNextForm, menu);
    QVERIFY(form);
    QStringList shown;
    QStringList pages;
    for (int i = 0; i < form->rowCount(); ++i) {
        const RowInfo row = UiInspect::row(form, i);
        QCOMPARE(row.kind, QStringLiteral("statusButton"));
        shown << QStringLiteral("%1 %2 %3").arg(row.id).arg(row.label, row.value.section('/', -1).section('_', 0, 0));
        pages << (menu.startsWith("ProtectionDigital") ? QStringLiteral("ProtectionDigitalInput%1Form")
                                                       : QStringLiteral("ProtectionAnalogInput%1Form"))
                     .arg(row.label.section(' ', -1));
    }
    QCOMPARE(shown, rows);
    // Each row opens the page of its input.
    form->setFormsList();
    QCOMPARE(form->formsList().classNames(), pages);
    // The icon follows its action at once; a code outside off, block and restart shows off.
    auto* first = qobject_cast<StatusPushButton*>(form->rowAt(0));
    QVERIFY(applyRaw(first->id(), Common::floatBits(2.0f)));
    QCOMPARE(first->iconPath(), QStringLiteral(":/images/restart_protection"));
    QVERIFY(applyRaw(first->id(), Common::floatBits(3.0f)));
    QCOMPARE(first->iconPath(), QStringLiteral(":/images/off_protection"));
    if (nan)
        QVERIFY(applyRaw(static_cast<quint16>(nan), 0));
}

void TestInputProtections::customNameTypedAndShownBack_data()
{
    QTest::addColumn<QString>("typed");
    // The two values written; none when the name is refused.
    QTest::addColumn<QList<quint32>>("written");

    QTest::newRow("no name") << "" << QList<quint32>{0, 0};
    QTest::newRow("one character") << "P" << QList<quint32>{0x50, 0};
    QTest::newRow("four") << "WELL" << QList<quint32>{0x4C4C4557u, 0};
    QTest::newRow("five") << "WELL-" << QList<quint32>{0x4C4C4557u, 0x2Du};
    QTest::newRow("eight, blank and signs") << "N2 #7/a+" << QList<quint32>{0x2320324Eu, 0x2B612F37u};
    QTest::newRow("nine: refused") << "PUMPWELL1" << QList<quint32>{};
    QTest::newRow("Cyrillic: refused") << "НАСОС" << QList<quint32>{};
    QTest::newRow("Latin-1 letter: refused") << "CAF\u00C9" << QList<quint32>{};
}

void TestInputProtections::customNameTypedAndShownBack()
{
    QFETCH(QString, typed);
    QFETCH(QList<quint32>, written);
    const QString old = QStringLiteral("OLDNAME");
    QVERIFY(applyRaw(2125, 0x4E444C4Fu));
    QVERIFY(applyRaw(2126, 0x00454D41u));
    const quint32 neighbour = station_->sim()->raw(2127);
    BaseForm* form = show(&ProtectionDigitalInputsMenu::createNextForm, "ProtectionDigitalInput1Form");
    QVERIFY(form);
    QPointer<BaseForm> built(form);
    auto* row = qobject_cast<BaseStringEditWidget*>(form->rowAt(4));
    QVERIFY(row);
    QTRY_COMPARE(row->valueText(), old);
    const quint32 serial = station_->sim()->lastEventSerial();

    QSignalSpy writes(ui_->params(), &Parameters::signalParamWrite);
    DialogGate::clearRecords();
    DialogGate::setNextAnswer(typed);
    form->setCurrentRow(4);
    QTest::keyClick(row, Qt::Key_Return);
    QCOMPARE(UiFixture::dialogCount(DialogGate::Keyboard), 1);
    if (written.isEmpty()) {
        QCOMPARE(writes.count(), 0);
        QCOMPARE(row->state(), int(BaseParamWidget::StateWarningSelected));
        QCOMPARE(current(), form);
        return;
    }
    // The two name parameters, first then second, as the operator; nothing else.
    QCOMPARE(writes.count(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(writes.at(i).at(0).value<quint16>(), quint16(2125 + i));
        QCOMPARE(writes.at(i).at(1).toUInt(), written.at(i));
        QCOMPARE(writes.at(i).at(2).toInt(), 1);
    }
    Parameters* params = ui_->params();
    QVERIFY(SimStation::waitFor([&] { return params->getU32(2125) == written.at(0) && params->getU32(2126) == written.at(1); }));

    // Shown back once the controller reports it: the page is built anew (each half may rebuild it), on the row.
    // The name row follows each half as it comes; the choice row is built with the page, so the page built after
    // the second half is the one to wait for.
    QTRY_VERIFY(built.isNull());
    QTRY_COMPARE(UiInspect::row(current(), 4).value, typed);
    QTRY_COMPARE(UiInspect::row(current(), 3).texts.value(0), typed);
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("ProtectionDigitalInput1Form"));
    QCOMPARE(current()->currentRow(), 4);
    QCOMPARE(station_->sim()->raw(2127), neighbour);
    QCOMPARE(writes.count(), 2);

    // The journal reads the same name from the controller's record of it: one record with the whole name.
    LogEvent* store = station_->logEvent();
    QVERIFY(SimStation::waitFor([&] { return store->events().lastKey() >= serial + 2; }));
    QStringList named;
    const auto events = store->events();
    for (auto it = events.upperBound(serial); it != events.end(); ++it) {
        QByteArray record = it.value();
        QString text;
        QString dateTime;
        if (LogEvent::getTextEvent(&record, text, dateTime) == 2126)
            named << text;
    }
    QCOMPARE(named, QStringList{QStringLiteral("ИзмПарам. %1 %2").arg(LogEvent::getTextFromId(2126), typed)});
    // A stop by the input names it the same way.
    const QString stop = Common::getTextReasonStop(107, BaseForm::cellReader());
    QCOMPARE(stop, typed.isEmpty() ? QStringLiteral("Цифр. вх. 1") : QStringLiteral("Цифр. вх. 1 (%1)").arg(typed));

    // A fixed name chosen from outside: the page follows, without the name row, on the same row.
    station_->sim()->setValue(1231, 2.0f);
    QVERIFY(SimStation::waitForValue(1231, 2.0f));
    QTRY_COMPARE(UiInspect::row(current(), 4).id, 328);
    QCOMPARE(current()->currentRow(), 4);
}

void TestInputProtections::unitTextsFollowQuantity_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QString>("label");

    const QStringList pressures{"МПа", "атм", "кг/см2", "бар", "psi", "кПа"};
    const QString c = QStringLiteral("\u00B0C");
    const QString f = QStringLiteral("\u00B0F");
    QTest::newRow("wellhead pressure, kgf/cm2") << 1 << 9 << 2 << pressures << "кг/см2";
    QTest::newRow("annulus pressure on input 3, kPa") << 3 << 10 << 5 << pressures << "кПа";
    QTest::newRow("temperature on input 2, F") << 2 << 2 << 1 << QStringList{c, f} << f;
    QTest::newRow("temperature, a unit it has not: C") << 4 << 2 << 5 << QStringList{c, f, "5 "} << c;
    QTest::newRow("vibration speed") << 1 << 4 << 0 << QStringList{"м/с", "мм/с"} << "м/с";
    QTest::newRow("flow") << 1 << 6 << 3 << QStringList{"м3/сут", "м3/ч", "барр/сут", "барр/ч"} << "барр/ч";
    QTest::newRow("current") << 1 << 8 << 0 << QStringList{"А"} << "А";
    QTest::newRow("not chosen") << 1 << 0 << 0 << QStringList{} << "";
}

void TestInputProtections::unitTextsFollowQuantity()
{
    QFETCH(int, input);
    QFETCH(int, quantity);
    QFETCH(int, unit);
    QFETCH(QStringList, units);
    QFETCH(QString, label);
    const AnalogInputIds* ids = ProtectionAnalogInputForm::inputIds(input);
    QVERIFY(ids);
    const QString screen = QStringLiteral("ProtectionAnalogInput%1Form").arg(input);
    const QString start = quantity == 8 ? QStringLiteral("2") : QStringLiteral("8");
    QVERIFY(apply(QStringLiteral("%1=%2;%3=0").arg(ids->quantity).arg(start).arg(ids->unit)));
    QSignalSpy writes(ui_->params(), &Parameters::signalParamWrite);
    const QList<quint16> valueIds{ids->scaleMin, ids->scaleMax, ids->stopMin, ids->restartMin, ids->stopMax,
                                  ids->restartMax};
    const auto check = [&](BaseForm* form, const QStringList& choices, const QString& text) {
        QStringList labels;
        for (int i = 0; i < form->rowCount(); ++i) {
            auto* edit = qobject_cast<BaseEditWidget*>(form->rowAt(i));
            if (edit && valueIds.contains(edit->id()))
                labels << edit->unitLabel_->text();
            auto* combo = qobject_cast<BaseComboBox*>(form->rowAt(i));
            if (combo && combo->id() == ids->unit && texts(combo->valuesList()) != choices)
                return false;
        }
        return labels.size() == 6 && labels.count(text) == 6;
    };

    // A change while the page is on show relabels it, and writes nothing.
    BaseForm* form = show(&ProtectionAnalogInputsMenu::createNextForm, screen);
    QVERIFY(form);
    QVERIFY(!check(form, units, label));
    QVERIFY(apply(QStringLiteral("%1=%2;%3=%4").arg(ids->quantity).arg(quantity).arg(ids->unit).arg(unit)));
    QTRY_VERIFY(check(form, units, label));
    QCOMPARE(current(), form);
    QCOMPARE(writes.count(), 0);
    // A page built with them shows them at once.
    form = show(&ProtectionAnalogInputsMenu::createNextForm, screen);
    QVERIFY(form);
    QVERIFY(check(form, units, label));
}

// Changes of the quantity and the unit within one interval bring one refresh at its end, which shows both; the
// interval's timer belongs to the page and goes with it.
void TestInputProtections::unitRefreshOncePerInterval()
{
    UiClock::setUnitRefreshMs(300);
    QVERIFY(apply("822=1;1105=0"));
    BaseForm* form = show(&ProtectionAnalogInputsMenu::createNextForm, "ProtectionAnalogInput1Form");
    QVERIFY(form);
    const auto rowOf = [form](quint16 id) {
        for (int i = 0; i < form->rowCount(); ++i) {
            if (UiInspect::row(form, i).id == id)
                return form->rowAt(i);
        }
        return static_cast<QWidget*>(nullptr);
    };
    auto* unitRow = qobject_cast<BaseComboBox*>(rowOf(1105));
    auto* setpoint = qobject_cast<BaseEditWidget*>(rowOf(275));
    QVERIFY(unitRow && setpoint);
    QPointer<QTimer> timer = form->findChild<QTimer*>(QStringLiteral("unitTimer_"));
    QVERIFY(timer);
    QSignalSpy refreshes(timer.data(), &QTimer::timeout);

    // Limits and unit codes of the quantity start nothing.
    ui_->params()->slotParamUpdated(822, Common::floatBits(0.0f), 7);
    ui_->params()->slotParamUpdated(822, Common::floatBits(11.0f), 8);
    QVERIFY(!timer->isActive());

    // The controller changes a value and the mirror takes it at once. No event loop runs between two changes
    // (qSleep runs none), so the page's timer cannot fire in between however busy the machine.
    const auto change = [this](quint16 id, float value) {
        station_->sim()->setValue(id, value);
        ui_->report(id, value);
    };
    QElapsedTimer elapsed;
    elapsed.start();
    change(822, 2.0f);
    QVERIFY(timer->isActive());
    QTest::qSleep(100);
    change(1105, 1.0f);
    // Not started again by the second change (it would have nearly 300 ms to run).
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() < 250);
    QCOMPARE(setpoint->unitLabel_->text(), QStringLiteral("МПа"));
    QTRY_COMPARE(refreshes.count(), 1);
    // 300 ms, less the 5 % by which Qt may round a coarse timer.
    QVERIFY(elapsed.elapsed() >= 285);
    QCOMPARE(setpoint->unitLabel_->text(), QStringLiteral("\u00B0F"));
    QCOMPARE(unitRow->valuesList().size(), 2);
    QCOMPARE(unitRow->currentKey(), 1);
    UiFixture::settle(350);
    QCOMPARE(refreshes.count(), 1);

    // A later change opens a new interval; leaving the page then takes its timer with it, unfired.
    change(1105, 0.0f);
    QVERIFY(timer->isActive());
    QTest::keyClick(form, Qt::Key_Escape);
    settle();
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("ProtectionAnalogInputsMenu"));
    QVERIFY(timer.isNull());
    UiFixture::settle(350);
    QCOMPARE(refreshes.count(), 1);
}

RVK_TEST_MAIN(TestInputProtections)
#include "tst_inputprotections.moc"
