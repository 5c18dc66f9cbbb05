// The motor, transformer and filters screens and the reference-motor wizard on the simulated controller: rows for
// each configuration, what value changes do, and the wizard over a small catalogue of its own.
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>

#include "app/parameters.h"
#include "equipment/equipmentmenu.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/uiclock.h"

namespace {

const QString kAdaptation = QStringLiteral("Внимание!\nНеобходимо провести автоадаптацию");
const QString kBreaker = QStringLiteral("Внимание!\nПереключите автомат фильтра");
const QString kOverheat = QStringLiteral("Защита по перегреву фильтра отключена");
const QString kSeveral = QStringLiteral("Внимание!\nЗаданным параметрам соответствует несколько двигателей");
const QString kNone = QStringLiteral("Внимание!\nНет двигателя с заданными параметрами");
const QString kStop = QStringLiteral("Для применения параметров остановите двигатель!");

// Catalogue column and parameter of every value a motor is applied from.
const QList<QPair<const char*, int>> kWritten{
    {"low_lim_speed", 10025}, {"base_frequency", 773}, {"power", 10015}, {"voltage", 10016}, {"current", 10017},
    {"cos_phi", 10020},       {"poles", 10024},        {"rpm", 10018},   {"freq", 10019},    {"indunstance", 696},
    {"active_resist", 10283}, {"emf", 1051},           {"f_run", 10087}, {"coef_norm_uf", 10468}};

// id, name, size, power, voltage, current, cos_phi, rpm, freq, poles, indunstance, active_resist, emf, f_run,
// base_frequency, coef_norm_uf, low_lim_speed
const QList<QVariantList> kFixture{
    {0, "A81-8", 81, 8000, 700, 9.0, 0.85, 3000, 50, 1, 0.02, 2.0, 0, 4, 50, 0, 10},
    {1, "B81-12", 81, 12000, 800, 12.0, 0.85, 3000, 50, 1, 0.018, 1.8, 0, 4, 50, 0, 10},
    {2, "C81-12", 81, 12000, 900, 10.0, 1.5, 3000, 50, 1, 0.02, 2.0, 0, 4, 50, 0, 10},  // cos phi past its limit
    {3, "D55-16", 55, 16000, 900, 12.0, 0.95, 6000, 200, 2, 0.01, 1.0, 0.135, 7, 200, 55, 5},
    {4, "E55-20", 55, 20000, 1000, 14.0, 0.95, 8500, 283.3, 2, 0.008, 0.9, 0.106, 7, 285, 55, 5},
    {5, "F117-45", 117, 45000, 1100, 28.0, 0.93, 3000, 100, 2, 0.015, 0.8, 0.33, 4, 100, 55, 5},
    {6, "G117-45", 117, 45000, 1400, 22.0, 0.93, 3000, 100, 2, 0.02, 1.0, 0.42, 4, 100, 55, 5},
    {7, "H117-32", 117, 32000, 1000, 22.0, 0.93, 1000, 50, 3, 0.03, 1.1, 0.9, 2, 50, 55, 5},
    {8, "I117-45", 117, 45000, 1100, 28.0, 0.93, 3000, 100, 2, 0.015, 0.8, 0.33, 4, 100, 55, 5},  // F but the name
    // below the minimum voltage (300 V), and below the minimum power the test sets (5 kW)
    {9, "J130-60", 130, 60000, 250, 150.0, 0.9, 3000, 50, 1, 0.002, 0.1, 0, 4, 50, 0, 10},
    {10, "K130-4", 130, 4000, 700, 5.0, 0.8, 3000, 50, 1, 0.05, 4.0, 0, 4, 50, 0, 10},
};
// What applying motor G writes, in order: the last two with the Etalon drive only.
const QList<QPair<int, float>> kWritesOfG{{10025, 5},    {773, 100},   {10015, 45000}, {10016, 1400}, {10017, 22},
                                          {10020, 0.93f}, {10024, 2},   {10018, 3000},  {10019, 100},  {696, 0.02f},
                                          {10283, 1},     {1051, 0.42f}, {10087, 4},     {10468, 55}};

enum Level { Size, Rpm, Power, Voltage };

// "kind:id" ("kind:label" for a row bound to no parameter), the keys of a selection in brackets.
QStringList signatures(const BaseForm* form)
{
    QStringList list;
    for (const RowInfo& r : UiInspect::rows(form)) {
        QStringList keys;
        for (int key : r.keys)
            keys << QString::number(key);
        list << r.kind + ':' + (r.id >= 0 ? QString::number(r.id) : r.label)
                    + (keys.isEmpty() ? QString() : '[' + keys.join(',') + ']');
    }
    return list;
}

QStringList rows(const QString& kind, std::initializer_list<int> ids)
{
    QStringList list;
    for (int id : ids)
        list << kind + ':' + QString::number(id);
    return list;
}

BaseComboBox2* selection(BaseForm* form, int level)
{
    return qobject_cast<BaseComboBox2*>(form->rowAt(level));
}

// The keys a level offers but "Не выбрано", the chosen one in brackets.
QString offered(BaseForm* form, int level)
{
    const BaseComboBox2* row = selection(form, level);
    QStringList keys;
    for (int i = 1; i < row->valuesList().size(); ++i) {
        const int key = row->valuesList().key(i);
        keys << (key == row->key() ? QStringLiteral("[%1]").arg(key) : QString::number(key));
    }
    return keys.join(',');
}

} // namespace

class TestEquipmentScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void rowsFollowSettings_data();
    void rowsFollowSettings();
    void valueChanges_data();
    void valueChanges();
    void ratedCurrentHint();
    void shippedCatalogueIsSound();
    void wizardCascade_data();
    void wizardCascade();
    void wizardApply_data();
    void wizardApply();

private:
    // The wizard over the test catalogue, opened with its button from the motor screen, after `picks` (level,
    // key, level, key, ...).
    BaseForm* openWizard(MainWindow* window, const QList<int>& picks);

    QScopedPointer<SimStation> station_;
};

void TestEquipmentScreens::initTestCase()
{
    station_.reset(new SimStation(QStringLiteral("13=0;571=0;572=0;1650=1"), SimStation::Clock::Manual));
    QVERIFY(station_->start());
    // The controller's minimum of the rated power, read by the wizard when it builds its rows.
    station_->params()->slotParamUpdated(10015, Common::floatBits(5000.0f), 7);
}

void TestEquipmentScreens::cleanupTestCase()
{
    station_->stop();
}

void TestEquipmentScreens::rowsFollowSettings_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("rows");

    const QStringList rated = rows("edit", {10015, 10016, 10017, 10018, 10019, 10020});
    const QStringList danfoss = rows("edit", {10015, 10016, 10017}) + rows("status", {10018, 10019}) + rows("edit", {10020});
    const QStringList valve = rows("edit", {10283, 1051, 10024});
    const QStringList wizard{"combo:782[0,1]", "button:Мастер выбора двигателя"};
    const QStringList methods{"combo:1329[0,1,2]"};
    QTest::newRow("valve type not offered")
        << "MotorForm" << "10554=1;782=0;685=1" << QStringList{"combo:782[0]"} + rated;
    QTest::newRow("motor induction own drive")
        << "MotorForm" << "10554=0;782=0;685=1" << QStringList{"combo:782[0,1]"} + rated;
    QTest::newRow("motor induction danfoss")
        << "MotorForm" << "10554=0;782=0;685=2" << QStringList{"combo:782[0,1]", "combo:1030[0,3600]"} + danfoss;
    QTest::newRow("motor valve own drive, by axes")
        << "MotorForm" << "782=1;685=1;1329=2" << wizard + rated + methods + rows("edit", {1691, 1692}) + valve;
    QTest::newRow("motor valve danfoss, inductance")
        << "MotorForm" << "782=1;685=2;1329=0;1030=500"
        << QStringList{"combo:782[0,1]", "combo:1030[500,1000,3000,6000,8500,1,2,12000]"} + danfoss + methods
               + rows("edit", {696}) + valve;
    QTest::newRow("motor valve etalon, reactance")
        << "MotorForm" << "782=1;685=3;1329=1" << wizard + rated + methods + rows("edit", {697}) + valve;

    const QString volts = QStringLiteral("[380,400,415,480,500,600,690]");
    const QStringList head{"combo:720" + volts, "combo:699[50,60]", "edit:32", "combo:34" + volts};
    QTest::newRow("transformer induction, no drive")
        << "TransForm" << "782=0;685=0;1651=0"
        << head + QStringList{"combo:36[8,10,13,16,21,25,33,42,53]", "edit:35", "combo:1327[0,1]", "edit:773",
                              "edit:721", "status:37", "edit:38"};
    QTest::newRow("transformer valve, own drive, AWG")
        << "TransForm" << "782=1;685=1;1651=1;36=42"
        << head + rows("edit", {33, 698, 1213, 1172, 1173})
               + QStringList{"combo:36[42,33,26,21,16,13,10,8]", "edit:35", "combo:1327[0,1]"}
               + rows("edit", {1339, 1176, 1174, 773, 721}) + rows("status", {785, 808, 37}) + rows("edit", {38});

    QTest::newRow("filters off") << "FiltersForm" << "712=0;713=0;685=1"
                                 << QStringList{"combo:712[0,1]", "combo:713[0,1]"};
    const QStringList input{"combo:712[0,1]", "edit:1684", "edit:1685", "status:10552", "combo:713[0,1]"};
    QTest::newRow("input filter, etalon") << "FiltersForm" << "712=1;713=0;685=3" << input;
    const QStringList output =
        rows("edit", {695, 714, 1340}) + QStringList{"status:786", "combo:1101[0,1]", "status:10327"};
    QTest::newRow("output filter, own drive")
        << "FiltersForm" << "712=0;713=1;685=1" << QStringList{"combo:712[0,1]", "combo:713[0,1]"} + output;
    QTest::newRow("both filters, etalon")
        << "FiltersForm" << "712=1;713=1;685=3" << input + output + rows("status", {10328});
}

void TestEquipmentScreens::rowsFollowSettings()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QStringList, rows);
    QVERIFY(station_->setValues(values));
    UiFixture ui;
    ui.window()->addForm(EquipmentMenu::createNextForm(), screen);
    QCOMPARE(UiInspect::currentClass(ui.window()), screen);
    QCOMPARE(signatures(ui.window()->currentForm()), rows);
}

void TestEquipmentScreens::valueChanges_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("before");
    // "id=value" set on the controller; "id@value" a value reported as it stands; "id!7" a report of the minimum.
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("rebuilt");
    // Every equipment page shown first, so that all screens following the value listen.
    QTest::addColumn<bool>("allPages");

    const auto row = [](const char* name, const char* screen, const char* before, const char* report,
                        const QStringList& messages, bool rebuilt, bool allPages = false) {
        QTest::newRow(name) << screen << before << report << messages << rebuilt << allPages;
    };
    const char* filters = "685=2;712=1;713=0;1101=0;783=0";
    row("motor type on etalon: breaker, rebuild", "MotorForm", "685=3;782=0;783=0", "782=1", {kBreaker}, true);
    row("motor type on own drive: rebuild only", "MotorForm", "685=1;782=0;783=0", "782=1", {}, true);
    row("motor type reported again: no breaker", "MotorForm", "685=3;782=1;783=0", "782@1", {}, true);
    row("motor type limit: nothing", "MotorForm", "685=3;782=0;783=0", "782!7", {}, false);
    row("inductance method: rebuild", "MotorForm", "685=1;782=1;1329=0;783=0", "1329=2", {}, true);
    row("profile: rebuild", "MotorForm", "685=2;782=0;1030=0;783=0", "1030=3600", {}, true);
    row("motor, adaptation on danfoss", "MotorForm", "685=2;782=0;783=0", "783=1", {kAdaptation}, false);
    row("transformer, adaptation on danfoss", "TransForm", "685=2;782=0;783=0", "783=1", {kAdaptation}, false);
    row("filters, adaptation on danfoss", "FiltersForm", filters, "783=1", {kAdaptation}, false);
    row("three screens, one adaptation message", "FiltersForm", filters, "783=1", {kAdaptation}, false, true);
    row("input filter off without sensor: overheat, rebuild", "FiltersForm", filters, "712=0", {kOverheat}, true);
    row("sensor off, input filter on: nothing", "FiltersForm", "685=2;712=1;713=1;1101=1;783=0", "1101=0", {}, false);
    row("output filter on: rebuild", "FiltersForm", "685=1;712=0;713=0;1101=0;783=0", "713=1", {}, true);
}

void TestEquipmentScreens::valueChanges()
{
    QFETCH(QString, screen);
    QFETCH(QString, before);
    QFETCH(QString, report);
    QFETCH(QStringList, messages);
    QFETCH(bool, rebuilt);
    QFETCH(bool, allPages);
    QVERIFY(station_->setValues(before));
    UiFixture ui;
    UiClock::setRebuildDelayMs(10);
    MainWindow* window = ui.window();
    window->addForm(EquipmentMenu::createNextForm(), screen);
    for (int i = 0; allPages && i < window->forms().size(); ++i)
        window->showPage(+1);
    QCOMPARE(UiInspect::currentClass(window), screen);
    BaseForm* form = window->currentForm();
    form->setProperty("first", true);
    const int row = form->rowCount() - 1;
    form->setCurrentRow(row);
    DialogGate::clearRecords();

    const quint16 id = static_cast<quint16>(report.section(QRegularExpression("[=!@]"), 0, 0).toUInt());
    if (report.contains('!'))
        ui.params()->slotParamUpdated(id, Common::floatBits(1.0f), 7);
    else if (report.contains('@'))
        ui.report(id, report.section('@', 1).toFloat());
    else
        QVERIFY(station_->setValues(report));
    ui.settle(60);

    QStringList shown;
    for (const DialogGate::Record& r : UiFixture::messages()) {
        QCOMPARE(r.type, 1);
        shown << r.text;
    }
    QCOMPARE(shown, messages);
    // A rebuild waits until the messages are closed.
    UiFixture::closeMessages();
    if (rebuilt)
        QTRY_VERIFY(!window->currentForm()->property("first").toBool());
    QCOMPARE(UiInspect::currentClass(window), screen);
    form = window->currentForm();
    QCOMPARE(!form->property("first").toBool(), rebuilt);
    // A rebuilt screen keeps the row, or starts on the first when it has fewer rows now.
    if (rebuilt)
        QCOMPARE(form->currentRow(), row < form->rowCount() ? row : 0);
}

void TestEquipmentScreens::ratedCurrentHint()
{
    // On Danfoss the limit of the rated current follows the range hint; below the type and the profile come
    // power, voltage, current.
    for (float vsdType : {2.0f, 1.0f}) {
        QVERIFY(station_->setValues(QStringLiteral("782=0;13=0;571=0;685=%1").arg(vsdType)));
        UiFixture ui;
        ui.window()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("MotorForm"));
        auto* current = qobject_cast<BaseEditWidget*>(ui.window()->currentForm()->rowAt(vsdType == 2.0f ? 4 : 3));
        QVERIFY(current && current->id() == 10017);
        QTest::keyClick(current, Qt::Key_Return);
        QVERIFY(current->isEditing());
        QCOMPARE(ui.window()->textInfo(),
                 current->rangeText() + (vsdType == 2.0f ? QStringLiteral("(Макс=ТокСУ/Коэф.Транс.)") : QString()));
        QTest::keyClick(current->lineEdit(), Qt::Key_Escape);
    }
}

void TestEquipmentScreens::shippedCatalogueIsSound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shipped.sqlite"));
    QVERIFY(QFile::copy(QStringLiteral(":/db/rvk_gui.sqlite"), path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("shipped"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QStringList outOfLimits;
        for (const auto& w : kWritten) {
            QVERIFY(q.exec(QStringLiteral("SELECT m.name FROM motors_etalon m, parameters p WHERE p.id=%1 AND "
                                          "(m.%2 IS NULL OR m.%2<p.min OR m.%2>p.max)")
                               .arg(w.second)
                               .arg(QLatin1String(w.first))));
            while (q.next())
                outOfLimits << q.value(0).toString() + ' ' + w.first;
        }
        QCOMPARE(outOfLimits, QStringList{});
        // Whole sizes, speeds and voltages, powers in whole kW, frequency from speed and pole pairs; every motor
        // told apart by its name and picked alone by the four selections.
        QVERIFY(q.exec(QStringLiteral(
            "SELECT COUNT(*), MAX(id), COUNT(DISTINCT name), COUNT(DISTINCT size||'/'||rpm||'/'||power||'/'||voltage),"
            " SUM(size<>ROUND(size) OR rpm<>ROUND(rpm) OR voltage<>ROUND(voltage) OR power%1000<>0"
            " OR ABS(freq-rpm*poles/60.0)>0.5 OR base_frequency<freq OR cos_phi<0.5 OR name IS NULL)"
            " FROM motors_etalon")));
        QVERIFY(q.next());
        const int count = q.value(0).toInt();
        QVERIFY2(count >= 60 && count <= 150, qPrintable(QString::number(count)));
        QCOMPARE(QList<int>({q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt()}),
                 QList<int>({count - 1, count, count, 0}));
        // Every level of the cascade matters: sizes of one speed, of several (one of them without 3000), and
        // motors that share size, speed and power but not the voltage.
        QVERIFY(q.exec(QStringLiteral(
            "SELECT SUM(n=1), SUM(n>1), SUM(n>1 AND with3000=0),"
            " (SELECT COUNT(*) FROM (SELECT 1 FROM motors_etalon GROUP BY size, rpm, power HAVING COUNT(*)>1))"
            " FROM (SELECT COUNT(DISTINCT rpm) n, SUM(rpm=3000) with3000 FROM motors_etalon GROUP BY size)")));
        QVERIFY(q.next());
        QVERIFY(q.value(0).toInt() > 0 && q.value(1).toInt() > 0 && q.value(2).toInt() > 0);
        QVERIFY(q.value(3).toInt() >= 5);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("shipped"));
}

BaseForm* TestEquipmentScreens::openWizard(MainWindow* window, const QList<int>& picks)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("DELETE FROM motors_etalon")))
        return nullptr;
    for (const QVariantList& row : kFixture) {
        q.prepare(QStringLiteral("INSERT INTO motors_etalon VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        for (const QVariant& v : row)
            q.addBindValue(v);
        if (!q.exec())
            return nullptr;
    }
    window->addForm(EquipmentMenu::createNextForm(), QStringLiteral("MotorForm"));
    window->currentForm()->setCurrentRow(1);
    QTest::keyClick(window->currentForm(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    BaseForm* wizard = window->currentForm();
    if (UiInspect::currentClass(window) != QLatin1String("MasterMotorForm"))
        return nullptr;
    for (int i = 0; i + 1 < picks.size(); i += 2) {
        const int index = selection(wizard, picks.at(i))->valuesList().indexOfKey(picks.at(i + 1));
        if (index < 0)
            return nullptr;
        selection(wizard, picks.at(i))->choose(index);
    }
    return wizard;
}

void TestEquipmentScreens::wizardCascade_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("motors");

    QTest::newRow("nothing chosen: every motor at or above the minimums")
        << QList<int>{}
        << QStringList{"55,81,117", "1000,3000,6000,8500", "8000,12000,16000,20000,32000,45000",
                       "700,800,900,1000,1100,1400"}
        << "A81-8\nB81-12\nC81-12\nD55-16\nE55-20\nF117-45\nG117-45\nH117-32\nI117-45";
    QTest::newRow("a size of one speed chooses it")
        << QList<int>{Size, 81} << QStringList{"55,[81],117", "[3000]", "8000,12000", "700,800,900"}
        << "A81-8\nB81-12\nC81-12";
    QTest::newRow("a speed the new size lacks goes")
        << QList<int>{Rpm, 3000, Size, 55} << QStringList{"[55],81,117", "6000,8500", "16000,20000", "900,1000"}
        << "D55-16\nE55-20";
    QTest::newRow("a speed the new size has stays and narrows the levels below")
        << QList<int>{Rpm, 3000, Size, 117} << QStringList{"55,81,[117]", "1000,[3000]", "[45000]", "1100,1400"}
        << "F117-45\nG117-45\nI117-45";
    QTest::newRow("a lower choice stays while it exists")
        << QList<int>{Voltage, 900, Size, 81} << QStringList{"55,[81],117", "[3000]", "8000,12000", "700,800,[900]"}
        << "C81-12";
}

void TestEquipmentScreens::wizardCascade()
{
    QFETCH(QList<int>, picks);
    QFETCH(QStringList, offered);
    QFETCH(QString, motors);
    QVERIFY(station_->setValues(QStringLiteral("782=1;685=1")));
    UiFixture ui;
    BaseForm* wizard = openWizard(ui.window(), picks);
    QVERIFY(wizard);
    QCOMPARE(QStringList({::offered(wizard, Size), ::offered(wizard, Rpm), ::offered(wizard, Power),
                          ::offered(wizard, Voltage)}),
             offered);
    QCOMPARE(wizard->findChild<QLabel*>(QStringLiteral("motorList_"))->text(), motors);
    // Powers in the display unit (kW), voltages in their own.
    const PairList powers = selection(wizard, Power)->valuesList();
    QCOMPARE(powers.value(0), QStringLiteral("Не выбрано"));
    for (int i = 1; i < powers.size(); ++i)
        QCOMPARE(powers.value(i), QStringLiteral("%1 кВт").arg(powers.key(i) / 1000));
    const PairList volts = selection(wizard, Voltage)->valuesList();
    QCOMPARE(volts.value(1), QStringLiteral("%1 В").arg(volts.key(1)));
}

void TestEquipmentScreens::wizardApply_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QString>("values");
    // Run on the test catalogue after the picks.
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("writes");

    const QList<int> g{Size, 117, Rpm, 3000, Voltage, 1400};
    const QString free = QStringLiteral("13=0;571=0;572=0;685=1");
    QTest::newRow("one motor, own drive") << g << free << "" << QStringList{} << 12;
    QTest::newRow("one motor, etalon drive") << g << "13=0;571=0;572=0;685=3" << "" << QStringList{} << 14;
    QTest::newRow("running") << g << "13=3;571=0;685=1" << "" << QStringList{kStop} << 0;
    QTest::newRow("access refused") << g << "13=0;571=1;572=0;685=1" << "" << QStringList{} << 0;
    QTest::newRow("several motors") << QList<int>{Size, 117, Rpm, 3000, Voltage, 1100} << free << ""
                                    << QStringList{kSeveral} << 0;
    QTest::newRow("motor gone before apply") << g << free << "DELETE FROM motors_etalon WHERE id=6"
                                             << QStringList{kNone} << 0;
    QTest::newRow("a value beyond its limits")
        << QList<int>{Size, 81, Voltage, 900} << free << ""
        << QStringList{"Внимание!\nЗначения двигателя вне допустимых пределов:\nНоминальный коэффициент мощности ПЭД"}
        << 0;
}

void TestEquipmentScreens::wizardApply()
{
    QFETCH(QList<int>, picks);
    QFETCH(QString, values);
    QFETCH(QString, sql);
    QFETCH(QStringList, messages);
    QFETCH(int, writes);
    QVERIFY(station_->setValues(QStringLiteral("782=1;13=0;571=0;685=1")));
    UiFixture ui;
    BaseForm* wizard = openWizard(ui.window(), picks);
    QVERIFY(wizard);
    QVERIFY(station_->setValues(values));
    QSqlQuery q;
    QVERIFY(sql.isEmpty() || q.exec(sql));
    QSignalSpy written(ui.params(), &Parameters::signalParamWrite);
    DialogGate::clearRecords();
    wizard->setCurrentRow(4);
    QTest::keyClick(wizard->rowAt(4), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QStringList shown;
    int progress = 0, passwords = 0;
    for (const DialogGate::Record& r : DialogGate::records()) {
        if (r.kind == DialogGate::Message)
            shown << r.text;
        progress += r.kind == DialogGate::Progress;
        passwords += r.kind == DialogGate::Password;
    }
    QCOMPARE(shown, messages);
    QCOMPARE(passwords, values.contains(QLatin1String("571=1")) ? 1 : 0);
    QList<QPair<int, float>> sent;
    for (const QList<QVariant>& w : qAsConst(written)) {
        QCOMPARE(w.at(2).toInt(), 2);
        sent.append({w.at(0).toInt(), Common::bitsFloat(w.at(1).toUInt())});
    }
    QCOMPARE(sent, kWritesOfG.mid(0, writes));
    QCOMPARE(progress, writes ? 1 : 0);
    // Applied: the motor screen on the wizard button; otherwise the wizard stays.
    QCOMPARE(UiInspect::currentClass(ui.window()), QString::fromLatin1(writes ? "MotorForm" : "MasterMotorForm"));
    QCOMPARE(ui.window()->currentForm()->currentRow(), writes ? 1 : 4);
}

RVK_TEST_MAIN(TestEquipmentScreens)
#include "tst_equipmentscreens.moc"
