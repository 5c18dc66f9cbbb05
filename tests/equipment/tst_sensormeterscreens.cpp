// The downhole sensor system, electricity meter and energy screens: the sensor parameter layout of every type, the
// rows of the other screens, the commands behind their questions and access levels, and the self-rebuilds.
#include <QtTest>

#include <functional>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "equipment/dhs_connect_form.h"
#include "equipment/dhs_menu.h"
#include "equipment/dhs_setting_form.h"
#include "equipment/em_connect_form.h"
#include "equipment/emform.h"
#include "equipment/energy_consumption_form.h"
#include "equipment/equipmentmenu.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/uiclock.h"

namespace {

BaseForm* make(const QString& screen)
{
    static const QMap<QString, std::function<BaseForm*()>> screens{
        {"DhsMenu", [] { return new DhsMenu; }},
        {"DhsSettingForm", [] { return new DhsSettingForm; }},
        {"DhsConnectForm", [] { return new DhsConnectForm; }},
        {"EmForm", [] { return new EmForm; }},
        {"EmConnectForm", [] { return new EmConnectForm; }},
        {"EnergyConsumptionForm", [] { return new EnergyConsumptionForm; }},
    };
    return screens.value(screen)();
}

// A type's sensor rows as "id:register" words: ":e" an edit row, ":b" a value in base 2, no register the name alone.
void layout(int type, const char* words, const char* button = "")
{
    QStringList rows;
    for (const QString& word : QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char(':'));
        const int id = parts.at(0).toInt();
        const QString label = Common::getTextFromId(id) + (parts.size() > 1 ? " (" + parts.at(1) + ")" : QString());
        const QString kind = parts.value(2) == "e" ? "edit" : parts.value(2) == "b" ? "bits" : "status";
        rows << QStringLiteral("%1 %2 %3").arg(kind).arg(id).arg(label);
    }
    if (*button)
        rows << QStringLiteral("button -1 ") + QString::fromUtf8(button);
    QTest::newRow(qPrintable(QString::number(type))) << static_cast<float>(type) << rows;
}

QStringList statusRows(std::initializer_list<int> ids)
{
    QStringList rows;
    for (int id : ids)
        rows << QStringLiteral("status %1 %2").arg(id).arg(Common::getTextFromId(id));
    return rows;
}

// Presses Return on the row of `form` labelled `label`.
void press(BaseForm* form, const QString& label)
{
    const QList<RowInfo> rows = UiInspect::rows(form);
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).label == label) {
            form->setCurrentRow(i);
            QTest::keyClick(form->rowAt(i), Qt::Key_Return);
            return;
        }
    }
    QFAIL(qPrintable(label));
}

} // namespace

class TestSensorMeterScreens : public QObject
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
        for (quint16 id : {571, 572, 1482})
            ui_->report(id, 0.0f);
    }
    void cleanup() { ui_.reset(); }

    void sensorLayoutOfEveryType_data();
    void sensorLayoutOfEveryType();
    void rowsFollowSettings_data();
    void rowsFollowSettings();
    void commandsAskAndWrite_data();
    void commandsAskAndWrite();
    void sensorMenuRebuilds();
    void meterRebuildsAndLinks();
    void voltageSourceWarning_data();
    void voltageSourceWarning();

private:
    std::unique_ptr<UiFixture> ui_;
};

void TestSensorMeterScreens::sensorLayoutOfEveryType_data()
{
    QTest::addColumn<float>("type");
    QTest::addColumn<QStringList>("rows");

    layout(0, "");
    layout(1, "15051:601h 15001:602h 15004:603h 15003:605h 15002:607h 15063:609h 15064:60Bh 15055:60Dh 15053:60Fh "
              "15009:610h 15008:612h 15057:614h 15058:616h 15059:618h 15054:61Ah 15010:61Bh 15056:61Dh 15030:632h "
              "15012:4h 15011:34h 15007:35h 15092:714h");
    layout(2, "15053:00h 15002:01h 15004:02h 15048:03h 15005:04h 15006:05h 15007:06h 15001:07h 15024:09h 15076:0Ah "
              "15075:0Bh");
    layout(3, "15001:240h 15004:241h 15048:242h 15011:243h 15007:244h 15002:245h 15008:246h 15003:247h");
    layout(4, "15001:2Dh 15002:2Eh 15010:2Fh 15048:30h 15004:31h 15008:32h 15009:33h 15011:34h 15007:35h 15084:36h "
              "15085:37h 15087:126h");
    layout(5, "15086:Fh 15001:2Dh 15002:37h 15010:2Fh 15048:30h 15004:31h 15008:39h 15009:33h 15011:34h 15007:35h "
              "15084:36h 15085:37h 15088:128h");
    layout(6, "15001:0 15004:1 15003:2 15011:3 15006:4 15002:5 15007:6 15030:7 15051:8");
    layout(7, "15001:600h 15051:601h 15078:602h 15112:603h 15005:605h 15006:606h 15007:607h 15004:608h 15003:609h "
              "15002:60Ah");
    layout(8, "15002 15004 15003 15048 15011 15007 15051 15008 15009 15010 15059");
    layout(9, "15051:FFh 15090:17Eh 15002:180h 15008:181h 15004:182h 15003:183h 15011:185h 15092:186h 15093:187h "
              "15094:188h 15095:189h 15091:258h 15100:207h 15098:201h:e 15099:202h:e 15097:200h:e", "Сброс PICv2");
    layout(10, "15004:151h 15003:152h 15002:153h 15011:154h 15007:155h 15001:156h");
    layout(11, "");
    layout(12, "15001:240h 15004:241h 15003:242h 15011:243h 15007:244h 15002:245h 15089:246h 15009:248h 15048:249h "
               "15008:24Ah 15051:250h 15053:251h 15024:255h 15030:258h 15054:274h");
    layout(13, "15002:40001 15008:40002 15004:40003 15003:40004 15005:40005 15007:40006 15092:40007 15112:40008");
    layout(14, "15001:0 15002:2 15003:3 15004:4 15011:5 15007:6 15010:7 15008:8 15009:9 15013:17 15014:18 15015:19 "
               "15016:20 15017:32 15018:33 15019:34 15020:35 15021:36 15022:37 15023:38 15024:39 15025:40 15053:41 "
               "15026:49 15027:50 15028:51 15029:52 15030:53 15031:54 15032:65 15033:66 15034:67 15035:68 15036:81 "
               "15037:82 15038:83 15039:84 15040:85 15041:86 15042:113 15043:114 15101:115 15044:116 15047:120 "
               "15102:121 15103:122 15104:123 15045 15046:119", "Чтение статических параметров");
    layout(15, "15001:240h 15004:241h 15048:242h 15005:243h 15006:244h 15007:245h 15002:246-247h 15008:248-249h "
               "15003:24Ah 15009:24Bh 15010:24Сh 15030:253-254h");
    layout(16, "15022:2004h 15024:2005h 15019:2006-2007h 15021:2008h 15023:2009-200Ah:b 15020:200Bh 15002:2020h "
               "15004:2021h 15003:2022h 15048:2023h 15005:2025h 15006:2026h 15007:2027h 15008:2028h 15009:202Ah "
               "15010:202Bh 15056:202Ch 15001:2100h 15106:2104h 15107:2105h 15031:2108h 15030:2109h 15027:210A-210Bh "
               "15029:210Ch 15028:210Eh 15053:210F-2110h:b 15017:2130h 15025:2131h 15042:A100h:e 15043:A108h:e "
               "15036:A112h:e 15039:A130h:e 15040:A131h:e 15041:A132h:e 15108:A140h:e 15109:A141h:e 15110:A142h:e");
    layout(17, "15022:2004h 15024:2005h 15019:2006-2007h 15021:2008h 15023:2009-200Ah:b 15020:200Bh 15002:2020h "
               "15004:2021h 15003:2022h 15048:2023h 15005:2025h 15006:2026h 15007:2027h 15008:2028h 15009:202Ah "
               "15010:202Bh 15056:202Ch 15001:2100h 15106:2104h 15107:2105h 15117:2106h 15031:2108h 15030:2109h "
               "15027:210A-210Bh 15029:210Ch 15028:210Eh 15053:210F-2110h:b 15017:2130h 15025:2131h 15045:2134h "
               "15118:2138h 15119:2139h 15042:A100h:e 15043:A108h:e 15036:A112h:e 15039:A130h:e 15040:A131h:e "
               "15041:A132h:e 15108:A140h:e 15109:A141h:e 15110:A142h:e");
    layout(18, "15002:30001 15008:30002 15004:30003 15009:30004 15003:30005 15011:30006 15007:30007 15092:30008");
    layout(19, "15027:40129 15081:40131 15076:40133 15002:40135 15004:40136 15008:40137 15009:40138 15003:40139 "
               "15005:40140 15135:40141 15136:40142 15112:40143 15006:40144 15092:40145 15007:40146");
    layout(20, "");
    layout(21, "15027:40129 15081:40131 15076:40133 15002:40135 15004:40136 15008:40137 15009:40138 15003:40139 "
               "15005:40140 15112:40143 15006:40144 15092:40145");
    layout(22, "15002:40001 15008:40002 15005:40013 15007:40015 15092:40021 15004:40041 15003:40042");
    layout(23, "15002:40001 15008:40002 15004:40003 15003:40004 15005:40006 15007:40007 15112:40013 15092:40014");
    layout(24, "15004:40000 15002:40001 15003:40002 15005:40003 15006:40004 15008:40005 15009:40006");
    layout(25, "15002:2137 15008:2138 15004:2140 15003:2141 15092:2143 15051:2144 15094:2145 15095:2146 15093:2148 "
               "15009:2149 15112:2150 15011:2151 15007:2152");
    layout(26, "");
    layout(-3, "");
}

void TestSensorMeterScreens::sensorLayoutOfEveryType()
{
    QFETCH(float, type);
    QFETCH(QStringList, rows);
    ui_->report(39, type);
    auto* form = new DhsSettingForm;
    ui_->window()->addForm(form, 0);
    QCOMPARE(UiFixture::rowLines(form), rows + QStringList{"combo 849 Сохранять в архивах отказы датчиков"});
    QCOMPARE(UiInspect::row(form, form->rowCount() - 1).keys, (QList<int>{0, 1}));
}

void TestSensorMeterScreens::rowsFollowSettings_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("rows");

    const QStringList dhsType{"combo 39 Тип ТМС"};
    const QStringList dhsFitted = dhsType + QStringList{"combo 1102 Интерфейс", "button -1 Параметры ТМС",
                                                        "button -1 Параметры связи ТМС"};
    QTest::newRow("sensor menu, none") << "DhsMenu" << "39=0" << "ТМС" << dhsType;
    QTest::newRow("sensor menu, 5") << "DhsMenu" << "39=5" << "ТМС" << dhsFitted;
    QTest::newRow("sensor menu, 30") << "DhsMenu" << "39=30" << "ТМС" << dhsFitted;
    QTest::newRow("sensor menu, 17") << "DhsMenu" << "39=17" << "ТМС"
                                     << dhsFitted + QStringList{"button -1 Конфигурация ТМС"};

    const QStringList link = statusRows({901, 902, 903, 907, 904, 905, 906});
    const QString delay = QStringLiteral("edit 15137 Задержка между запросами к ТМСН");
    const QString reset = QStringLiteral("button -1 Сбросить счётчики");
    QTest::newRow("sensor link, 15") << "DhsConnectForm" << "39=15" << "Связь с ТМС" << link + QStringList{delay, reset};
    QTest::newRow("sensor link, 16") << "DhsConnectForm" << "39=16" << "Связь с ТМС" << link + QStringList{delay, reset};
    QTest::newRow("sensor link, 17") << "DhsConnectForm" << "39=17" << "Связь с ТМС" << link + QStringList{reset};

    const QStringList meter{"combo 705 Тип счётчика"};
    const QStringList chosen = meter + QStringList{"edit 20049 Коэффициент трансформации тока",
                                                   "combo 1482 Источник входных напряжений",
                                                   "button -1 Параметры связи счётчика электроэнергии"};
    QTest::newRow("meter off") << "EmForm" << "705=0" << "Счётчик электроэнергии" << meter;
    QTest::newRow("meter 5") << "EmForm" << "705=5" << "Счётчик электроэнергии" << chosen;
    QTest::newRow("meter 2.7") << "EmForm" << "705=2.7" << "Счётчик электроэнергии" << chosen;
    QTest::newRow("meter 9") << "EmForm" << "705=9" << "Счётчик электроэнергии" << chosen;
    QTest::newRow("meter link") << "EmConnectForm" << "" << "Связь со счётчиком электроэнергии"
                                << statusRows({987, 988, 989, 993, 990, 991, 992}) + QStringList{reset};
    // Each previous period before the current one, the total last.
    QTest::newRow("energy") << "EnergyConsumptionForm" << "" << "Потребление активной электоэнергии"
                            << statusRows({20032, 20030, 20036, 20034, 20051, 20052, 20028})
                                   + QStringList{"edit 851 Число начала расчётного периода в месяце",
                                                 "button -1 Сброс потреблёной активной электоэнергии"};
}

void TestSensorMeterScreens::rowsFollowSettings()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, title);
    QFETCH(QStringList, rows);
    ui_->report(values);
    BaseForm* form = make(screen);
    ui_->window()->addForm(form, 0);
    QCOMPARE(form->title(), title.toUpper());
    QCOMPARE(UiFixture::rowLines(form), rows);
    if (screen == "DhsMenu") {
        QList<int> types;
        for (int key = 0; key < 26; ++key)
            types << key;
        QCOMPARE(UiInspect::row(form, 0).keys.mid(0, 26), types);
    } else if (screen == "EmForm") {
        // The ПСЧ-4ТМ (5) stands third.
        QCOMPARE(UiInspect::row(form, 0).keys.mid(0, 6), (QList<int>{0, 1, 5, 2, 3, 4}));
    }
}

void TestSensorMeterScreens::commandsAskAndWrite_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVariant>("password");   // the answer to a password dialog: none asked when invalid
    QTest::addColumn<int>("answer");          // the answer to the question, -1 unanswered
    QTest::addColumn<QString>("question");    // the question asked, empty when none
    QTest::addColumn<quint16>("id");
    QTest::addColumn<QStringList>("writes");  // "value/eventType"

    // Passwords on (571=1); a level granted (572) or a password of level 2 (574) given.
    const QVariant none;
    const QVariant refused = QVariant(QString());
    const QString picReset = QStringLiteral("Сброс PICv2");
    const QString picQuestion = QStringLiteral("Сбросить PICv2?");
    QTest::newRow("PICv2 reset, yes") << "DhsSettingForm" << "39=9;571=1;572=1" << picReset << none << 1 << picQuestion
                                      << quint16(15096) << QStringList{"1/1"};
    QTest::newRow("PICv2 reset, no") << "DhsSettingForm" << "39=9;571=1;572=1" << picReset << none << 0 << picQuestion
                                     << quint16(15096) << QStringList{};
    QTest::newRow("PICv2 reset, refused") << "DhsSettingForm" << "39=9;571=1" << picReset << refused << 1 << QString()
                                          << quint16(15096) << QStringList{};
    const QString read = QStringLiteral("Чтение статических параметров");
    QTest::newRow("static read") << "DhsSettingForm" << "39=14;571=1;572=1" << read << none << -1 << QString()
                                 << quint16(15046) << QStringList{"1/1"};
    QTest::newRow("static read, refused") << "DhsSettingForm" << "39=14;571=1" << read << refused << -1 << QString()
                                          << quint16(15046) << QStringList{};

    // The link resets ask no password, at any level.
    const QString reset = QStringLiteral("Сбросить счётчики");
    const QString linkQuestion = QStringLiteral("Сбросить счётчики качества связи?");
    QTest::newRow("sensor link, yes") << "DhsConnectForm" << "571=1" << reset << none << 1 << linkQuestion
                                      << quint16(912) << QStringList{"1/1"};
    QTest::newRow("sensor link, unanswered") << "DhsConnectForm" << "571=1" << reset << none << -1 << linkQuestion
                                             << quint16(912) << QStringList{};
    QTest::newRow("meter link, yes") << "EmConnectForm" << "571=1" << reset << none << 1 << linkQuestion
                                     << quint16(998) << QStringList{"1/1"};
    QTest::newRow("meter link, no") << "EmConnectForm" << "571=1" << reset << none << 0 << linkQuestion
                                    << quint16(998) << QStringList{};

    // The energy reset writes 3, behind its level 2.
    const QString energy = QStringLiteral("Сброс потреблёной активной электоэнергии");
    const QString energyQuestion = QStringLiteral("Сбросить потребленую активную электоэнергию?");
    QTest::newRow("energy, no passwords, yes") << "EnergyConsumptionForm" << "571=0" << energy << none << 1
                                               << energyQuestion << quint16(852) << QStringList{"3/1"};
    QTest::newRow("energy, no passwords, no") << "EnergyConsumptionForm" << "571=0" << energy << none << 0
                                              << energyQuestion << quint16(852) << QStringList{};
    QTest::newRow("energy, wrong password") << "EnergyConsumptionForm" << "571=1;574=1234" << energy
                                            << QVariant(QStringLiteral("9999")) << 1 << QString() << quint16(852)
                                            << QStringList{};
    QTest::newRow("energy, password, yes") << "EnergyConsumptionForm" << "571=1;574=1234" << energy
                                           << QVariant(QStringLiteral("1234")) << 1 << energyQuestion << quint16(852)
                                           << QStringList{"3/1"};
}

void TestSensorMeterScreens::commandsAskAndWrite()
{
    QFETCH(QString, screen);
    QFETCH(QString, values);
    QFETCH(QString, button);
    QFETCH(QVariant, password);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(quint16, id);
    QFETCH(QStringList, writes);
    ui_->report(values);
    BaseForm* form = make(screen);
    ui_->window()->addForm(form, 0);
    FakeController mc;
    mc.setAccept(false);
    if (password.isValid())
        DialogGate::setNextAnswer(password.toString().isEmpty() ? QVariant() : password);
    if (answer >= 0)
        DialogGate::setNextAnswer(answer);
    press(form, button);

    QCOMPARE(UiFixture::dialogCount(DialogGate::Password), password.isValid() ? 1 : 0);
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty())
        QCOMPARE(UiFixture::messages().first().text, question);
    QCOMPARE(mc.writesOf(id), writes);
    // A password given writes the granted level, nothing else is written.
    QCOMPARE(mc.writes().size() - mc.writesOf(572).size(), writes.size());
    DialogGate::clearAnswers();
}

void TestSensorMeterScreens::sensorMenuRebuilds()
{
    MainWindow* window = ui_->window();
    ui_->report(39, 5.0f);
    window->addForm(EquipmentMenu::createNextForm(), QStringLiteral("DhsMenu"));
    QPointer<BaseForm> menu = window->currentForm();
    menu->setCurrentRow(3);

    // The surface unit's design code rebuilds the menu on the row it was on.
    ui_->report(15029, 7.0f);
    QTRY_VERIFY(window->currentForm() != menu.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(menu.isNull());
    menu = window->currentForm();
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("DhsMenu"));
    QCOMPARE(menu->currentRow(), 3);

    // A new type: the rows of type 17.
    ui_->report(39, 17.0f);
    QTRY_VERIFY(window->currentForm() != menu.data());
    menu = window->currentForm();
    QCOMPARE(menu->childButtonCount(), 3);
    QCOMPARE(menu->currentRow(), 3);

    // Changed while a neighbour is on show: the operator stays there; the menu comes back rebuilt on its first
    // row, not on the button of the neighbour's position.
    window->showPage(-1);
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("VsdMenu"));
    ui_->report(39, 17.0f);
    ui_->settle(60);
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("VsdMenu"));
    window->showPage(+1);
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("DhsMenu"));
    QVERIFY(window->currentForm() != menu.data());
    QCOMPARE(window->currentForm()->childButtonCount(), 3);
    QCOMPARE(window->currentForm()->currentRow(), 0);

    // Its screens are listed also while no system is set (no button offers them then).
    ui_->report(39, 0.0f);
    const Pages pages = DhsMenu::createNextForm();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.className(1), QStringLiteral("DhsConnectForm"));
}

void TestSensorMeterScreens::meterRebuildsAndLinks()
{
    MainWindow* window = ui_->window();
    ui_->report(705, 1.0f);
    window->addForm(EquipmentMenu::createNextForm(), QStringLiteral("EmForm"));
    QPointer<BaseForm> form = window->currentForm();
    form->setCurrentRow(2);
    ui_->report(705, 3.0f);
    QTRY_VERIFY(window->currentForm() != form.data());
    form = window->currentForm();
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("EmForm"));
    QCOMPARE(form->currentRow(), 2);

    // The link button opens the link screen; Back returns to the meter with the button current.
    press(form, QStringLiteral("Параметры связи счётчика электроэнергии"));
    QCOMPARE(UiInspect::formClasses(window), QStringList{"EmConnectForm"});
    QTest::keyClick(window->currentForm(), Qt::Key_Escape);
    QCOMPARE(UiInspect::currentClass(window), QStringLiteral("EmForm"));
    QCOMPARE(UiInspect::focusedRow(window), 3);

    form = window->currentForm();
    ui_->report(705, 0.0f);
    QTRY_VERIFY(window->currentForm() != form.data());
    QCOMPARE(window->currentForm()->rowCount(), 1);
}

void TestSensorMeterScreens::voltageSourceWarning_data()
{
    QTest::addColumn<float>("meterType");
    QTest::addColumn<float>("source");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<bool>("warns");
    QTest::newRow("meter") << 1.0f << 1.0f << 0 << true;
    QTest::newRow("meter, no meter chosen") << 0.0f << 1.0f << 0 << true;
    QTest::newRow("station") << 1.0f << 0.0f << 0 << false;
    QTest::newRow("0.5") << 1.0f << 0.5f << 0 << false;
    QTest::newRow("2") << 1.0f << 2.0f << 0 << false;
    QTest::newRow("limit read at 1") << 1.0f << 1.0f << 8 << false;
}

void TestSensorMeterScreens::voltageSourceWarning()
{
    QFETCH(float, meterType);
    QFETCH(float, source);
    QFETCH(int, cmd);
    QFETCH(bool, warns);
    ui_->report(705, meterType);
    // The source already at its value when only a limit is read again.
    if (cmd != 0)
        ui_->report(1482, source);
    ui_->window()->addForm(EquipmentMenu::createNextForm(), QStringLiteral("EmForm"));
    DialogGate::clearRecords();
    for (int i = 0; i < 2; ++i)
        ui_->params()->slotParamUpdated(1482, Common::floatBits(source), static_cast<quint8>(cmd));

    // Shown once while open, over the main window; the screen is rebuilt once it is closed.
    QCOMPARE(UiFixture::dialogCount(DialogGate::Message), warns ? 1 : 0);
    if (!warns)
        return;
    QCOMPARE(UiFixture::messages().first().text,
             QStringLiteral("Внимание!\nОтключена запись аварийных архивов\nи защита чередования фаз"));
    QCOMPARE(UiFixture::messages().first().type, int(MessageDialog::Information));
    QPointer<MessageDialog> dialog = ui_->window()->findChild<MessageDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    QPointer<BaseForm> form = ui_->window()->currentForm();
    ui_->report(705, meterType + 1.0f);
    QTRY_VERIFY(form->isRebuildHeld());
    QCOMPARE(ui_->window()->currentForm(), form.data());
    QVERIFY(dialog);
    dialog->reject();
    QTRY_VERIFY(ui_->window()->currentForm() != form.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
}

RVK_TEST_MAIN(TestSensorMeterScreens)
#include "tst_sensormeterscreens.moc"
