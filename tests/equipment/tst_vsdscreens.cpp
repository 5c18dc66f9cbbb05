// The drive menu and the drive screens: rows by drive type, motor type, control type and access level, the keys
// they write, their commands and the service menu built for one drive type.
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "equipment/vsd_connect_form.h"
#include "equipment/vsd_menu.h"
#include "equipment/vsd_options_form.h"
#include "equipment/vsd_resonance_form.h"
#include "equipment/vsd_service_additional_form.h"
#include "equipment/vsd_service_hardware_form.h"
#include "equipment/vsd_service_indication_param_form.h"
#include "equipment/vsd_service_indication_temperature_form.h"
#include "equipment/vsd_service_menu.h"
#include "equipment/vsd_service_psw_form.h"
#include "equipment/vsd_service_temperature_form.h"
#include "equipment/vsd_uf_setting_form.h"
#include "equipment/vsd_vector_form.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/basecombobox.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

namespace {

using Values = QMap<int, float>;

template <class Form>
BaseForm* make()
{
    return new Form;
}

BaseForm* makeForm(const QString& className)
{
    static const QMap<QString, BaseForm* (*)()> screens{
        {"VsdMenu", &make<VsdMenu>},
        {"VsdOptionsForm", &make<VsdOptionsForm>},
        {"VsdUfSettingForm", &make<VsdUfSettingForm>},
        {"VsdConnectForm", &make<VsdConnectForm>},
        {"VsdResonanceForm", &make<VsdResonanceForm>},
        {"VsdVectorForm", &make<VsdVectorForm>},
        {"VsdServiceMenu", &make<VsdServiceMenu>},
        {"VsdServiceIndicationParamForm", &make<VsdServiceIndicationParamForm>},
        {"VsdServiceAdditionalForm", &make<VsdServiceAdditionalForm>},
        {"VsdServicePswForm", &make<VsdServicePswForm>},
        {"VsdTemperatureForm", &make<VsdTemperatureForm>},
        {"VsdServiceIndicationTemperatureForm", &make<VsdServiceIndicationTemperatureForm>},
        {"VsdServiceHardwareForm", &make<VsdServiceHardwareForm>},
    };
    return screens.value(className)();
}

// "c10006 e10025 v10026 b": kind letter (edit, value, choice, button) and parameter id of every row.
QString shape(const BaseForm* form)
{
    static const QMap<QString, QString> letters{{"edit", "e"}, {"status", "v"}, {"combo", "c"}, {"button", "b"}};
    QStringList parts;
    for (const RowInfo& row : UiInspect::rows(form))
        parts << letters.value(row.kind, row.kind) + (row.id >= 0 ? QString::number(row.id) : QString());
    return parts.join(' ');
}

// Kind letters of the rows ("eecvb") and the access level a change of each demands ("12-3-", '-' read-only).
QPair<QString, QString> kindsAndLevels(const BaseForm* form, const Parameters* params)
{
    QString kinds;
    QString levels;
    for (const RowInfo& row : UiInspect::rows(form)) {
        kinds += row.kind == "status" ? QChar('v') : row.kind.at(0);
        const ParameterDef* def = row.id >= 0 ? params->getParameter(static_cast<quint16>(row.id)) : nullptr;
        levels += row.editable && def ? QString::number(def->access) : QStringLiteral("-");
    }
    return {kinds, levels};
}

// The first row of parameter `id`, -1 when none.
int rowIndex(const BaseForm* form, int id)
{
    const QList<RowInfo> rows = UiInspect::rows(form);
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).id == id)
            return row;
    }
    return -1;
}

RowInfo rowOf(const BaseForm* form, int id)
{
    return UiInspect::row(form, rowIndex(form, id));
}

QList<int> range(int first, int last)
{
    QList<int> keys;
    for (int key = first; key <= last; ++key)
        keys << key;
    return keys;
}

} // namespace

class TestVsdScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsFollowSettings_data();
    void rowsFollowSettings();
    void drivePagesFollowTheTypeTheMenuWasBuiltWith_data();
    void drivePagesFollowTheTypeTheMenuWasBuiltWith();
    void settingsScreenReactsToItsValues();
    void choicesShowAndWriteTheirKeys_data();
    void choicesShowAndWriteTheirKeys();
    void commandsBehindAccessAndQuestion_data();
    void commandsBehindAccessAndQuestion();
    void serviceTablesKeepKindsLevelsAndLabels_data();
    void serviceTablesKeepKindsLevelsAndLabels();

private:
    void set(const Values& values);
    BaseForm* show(const QString& className);

    QScopedPointer<UiFixture> ui_;
    QScopedPointer<FakeController> mc_;
};

void TestVsdScreens::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app->initDatabase());
    app->initParameters();
}

void TestVsdScreens::init()
{
    ui_.reset(new UiFixture);
    mc_.reset(new FakeController);
    // Stopped, passwords on, no level granted.
    set({{13, 0.0f}, {571, 1.0f}, {572, 0.0f}, {1330, 0.0f}});
}

void TestVsdScreens::cleanup()
{
    mc_.reset();
    ui_.reset();
}

void TestVsdScreens::set(const Values& values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        ui_->report(static_cast<quint16>(it.key()), it.value());
}

BaseForm* TestVsdScreens::show(const QString& className)
{
    BaseForm* form = makeForm(className);
    ui_->window()->addForm(form, 0);
    return form;
}

void TestVsdScreens::rowsFollowSettings_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("rows");
    // Keys offered by one selection row: its id, then its keys.
    QTest::addColumn<QList<int>>("choices");

    const QString common = "c10007 e10025 e10026 e10002 e10151 e10152 c10300";
    const QString own = common + " c10228 c10355 e10118 e10513 e10457 c10063";
    const QString danfoss = "c10006 c10007 e10025 v10026 e10002 e10151 e10152 c10300 c10340";
    QTest::newRow("menu, own drive")
        << "VsdMenu" << Values{{685, 1}} << "c685 b b b b b b b" << (QList<int>{685} + range(0, 3));
    QTest::newRow("menu, no drive") << "VsdMenu" << Values{{685, 0}} << "c685 b b b b b" << QList<int>{};
    QTest::newRow("menu, 1.9 truncated") << "VsdMenu" << Values{{685, 1.9f}} << "c685 b b b b b b b" << QList<int>{};
    QTest::newRow("menu, type 7 shown as itself")
        << "VsdMenu" << Values{{685, 7}} << "c685 b b b b b" << QList<int>{685, 0, 1, 2, 3, 7};
    QTest::newRow("settings, own drive, magnet motor")
        << "VsdOptionsForm" << Values{{685, 1}, {782, 1}} << "c10006 " + own << QList<int>{10006, 0, 1};
    QTest::newRow("settings, own drive, induction motor")
        << "VsdOptionsForm" << Values{{685, 1}, {782, 0}} << "c10006 " + own << QList<int>{10006, 0};
    QTest::newRow("settings, own drive PWM")
        << "VsdOptionsForm" << Values{{685, 1}, {782, 0}} << "c10006 " + own
        << QList<int>{10228, 2000, 2500, 3000, 3500, 4000, 4500, 5000};
    QTest::newRow("settings, Danfoss, level 2")
        << "VsdOptionsForm" << Values{{685, 2}, {782, 1}, {572, 2}, {884, 400}} << danfoss
        << QList<int>{10006, 0};
    QTest::newRow("settings, Danfoss, level 3")
        << "VsdOptionsForm" << Values{{685, 2}, {782, 1}, {572, 3}, {884, 400}} << danfoss
        << QList<int>{10006, 0, 1};
    QTest::newRow("settings, Danfoss 400 A") << "VsdOptionsForm" << Values{{685, 2}, {884, 400}} << danfoss
                                             << (QList<int>{10340} + range(4, 7));
    QTest::newRow("settings, Danfoss 160 A") << "VsdOptionsForm" << Values{{685, 2}, {884, 160}} << danfoss
                                             << (QList<int>{10340} + range(2, 10));
    QTest::newRow("settings, Danfoss 800 A") << "VsdOptionsForm" << Values{{685, 2}, {884, 800}} << danfoss
                                             << (QList<int>{10340} + range(2, 6));
    QTest::newRow("settings, Danfoss 123 A") << "VsdOptionsForm" << Values{{685, 2}, {884, 123}} << danfoss
                                             << (QList<int>{10340} + range(2, 14));
    QTest::newRow("settings, Эталон, vector")
        << "VsdOptionsForm" << Values{{685, 3}, {782, 1}, {10006, 1}} << "c10006 c10524 " + common + " e10228"
        << QList<int>{10524, 1};
    QTest::newRow("settings, Эталон, U/f")
        << "VsdOptionsForm" << Values{{685, 3}, {782, 1}, {10006, 0}} << "c10006 " + common + " e10228"
        << QList<int>{10006, 0, 1};
    QTest::newRow("settings, no drive")
        << "VsdOptionsForm" << Values{{685, 0}, {782, 1}} << "c10006 " + common + " e10228" << QList<int>{10006, 0};
    QTest::newRow("U/f, own drive")
        << "VsdUfSettingForm" << Values{{685, 1}}
        << "v10031 e10030 e10348 e10033 e10032 e10349 e10035 e10034 e10350 e10037 e10036 e10351 e10039 e10038 "
           "e10352 e10041 e10040 e10353 e10163 e10162 e10354 e10057"
        << QList<int>{};
    QTest::newRow("U/f, Danfoss")
        << "VsdUfSettingForm" << Values{{685, 2}}
        << "e10031 e10030 e10033 e10032 e10035 e10034 e10037 e10036 e10039 e10038 e10041 e10040" << QList<int>{};
    QTest::newRow("U/f, Эталон, linear")
        << "VsdUfSettingForm" << Values{{685, 3}, {10029, 0}}
        << "c10029 e10031 e10030 e10033 e10032 e10035 e10034 e10037 e10036 e10039 e10038"
        << (QList<int>{10029} + range(0, 3));
    QTest::newRow("U/f, no drive") << "VsdUfSettingForm" << Values{{685, 0}} << "" << QList<int>{};
    QTest::newRow("link, own drive")
        << "VsdConnectForm" << Values{{685, 1}}
        << "v890 v891 v892 v896 v893 v894 v895 c1707 e1701 c1702 c1703 c1704 e1664 e1705 e1706 e958 b b"
        << QList<int>{1707, 2, 4};
    QTest::newRow("link, own drive speeds")
        << "VsdConnectForm" << Values{{685, 1}, {1702, 9600}} << "v890 v891 v892 v896 v893 v894 v895 c1707 e1701 "
                                                                  "c1702 c1703 c1704 e1664 e1705 e1706 e958 b b"
        << QList<int>{1702, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    QTest::newRow("link, Danfoss") << "VsdConnectForm" << Values{{685, 2}} << "v890 v891 v892 v896 v893 v894 v895 b b"
                                   << QList<int>{};
    QTest::newRow("resonance") << "VsdResonanceForm" << Values{} << "c10356 e10090 c10089 c10344"
                               << (QList<int>{10344} + range(-9, 3));
    QTest::newRow("vector") << "VsdVectorForm" << Values{} << "e10087 e10088 e10077 e10064 e10066 e10067 e10341"
                            << QList<int>{};
    QTest::newRow("service, own drive") << "VsdServiceMenu" << Values{{685, 1}} << "b b b b b b b" << QList<int>{};
    QTest::newRow("service, no drive") << "VsdServiceMenu" << Values{{685, 0}} << "" << QList<int>{};
    QTest::newRow("service, type 4") << "VsdServiceMenu" << Values{{685, 4}} << "" << QList<int>{};
    QTest::newRow("service, negative type") << "VsdServiceMenu" << Values{{685, -1}} << "" << QList<int>{};
}

void TestVsdScreens::rowsFollowSettings()
{
    QFETCH(QString, screen);
    QFETCH(Values, values);
    QFETCH(QString, rows);
    QFETCH(QList<int>, choices);
    set(values);
    BaseForm* form = show(screen);
    QCOMPARE(shape(form), rows);
    if (!choices.isEmpty())
        QCOMPARE(rowOf(form, choices.first()).keys, choices.mid(1));
}

void TestVsdScreens::drivePagesFollowTheTypeTheMenuWasBuiltWith_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<float>("builtWith");
    QTest::addColumn<float>("pressedWith");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("pages");

    const QStringList five{"RunningModeMenu", "VsdOptionsForm", "VsdUfSettingForm", "VsdServiceMenu",
                           "VsdConnectForm"};
    QStringList seven = five;
    seven.insert(3, "VsdResonanceForm");
    seven.insert(4, "VsdVectorForm");
    const QStringList service{"VsdServiceIndicationParamForm", "VsdServiceAdditionalForm", "VsdServicePswForm",
                              "VsdTemperatureForm", "VsdServiceIndicationTemperatureForm",
                              "VsdServiceHardwareForm"};
    QTest::newRow("menu built without drive") << "VsdMenu" << 0.0f << 1.0f << 3 << five;
    QTest::newRow("menu built for own drive") << "VsdMenu" << 1.0f << 2.0f << 6 << seven;
    QTest::newRow("menu, link page") << "VsdMenu" << 1.0f << 1.0f << 6 << seven;
    QTest::newRow("service built for own drive") << "VsdServiceMenu" << 1.0f << 2.0f << 2 << service;
    QTest::newRow("service, last page") << "VsdServiceMenu" << 1.0f << 1.0f << 5 << service;
}

void TestVsdScreens::drivePagesFollowTheTypeTheMenuWasBuiltWith()
{
    QFETCH(QString, menu);
    QFETCH(float, builtWith);
    QFETCH(float, pressedWith);
    QFETCH(int, button);
    QFETCH(QStringList, pages);
    set({{685, builtWith}});
    BaseForm* form = show(menu);
    set({{685, pressedWith}});
    int row = 0;
    while (row < form->rowCount() && form->childButtonPosition(row) != button)
        ++row;
    form->setCurrentRow(row);
    QTest::keyClick(form, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(UiInspect::formClasses(ui_->window()), pages);
    QCOMPARE(UiInspect::currentIndex(ui_->window()), button);

    // Back from the page: the menu, built anew, with the cursor on the button of the page left.
    QTest::keyClick(ui_->window()->currentForm(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(UiInspect::currentClass(ui_->window()), menu);
    BaseForm* back = ui_->window()->currentForm();
    if (pressedWith == builtWith)
        QCOMPARE(back->childButtonPosition(back->currentRow()), button);
}

void TestVsdScreens::settingsScreenReactsToItsValues()
{
    const QString notAdvised = "Внимание!\nДля вентильного двигателя этот тип управления не рекомендуется";
    const QString adaptation = "Внимание!\nНеобходимо провести автоадаптацию";
    UiClock::setRebuildDelayMs(5);
    set({{685, 3}, {782, 1}, {10006, 1}, {10524, 1}, {783, 0}});
    ui_->window()->addForm(VsdMenu::createNextForm(), 1, -1);
    QPointer<BaseForm> form = ui_->window()->currentForm();
    QCOMPARE(UiInspect::currentClass(ui_->window()), QString("VsdOptionsForm"));
    QVERIFY(rowOf(form, 10524).id == 10524);
    form->setCurrentRow(3);

    // Limits and unit codes of the control type change nothing; a new value rebuilds once, on the same row.
    ui_->params()->slotParamUpdated(10006, Common::floatBits(0.0f), 7);
    ui_->settle(30);
    QCOMPARE(ui_->window()->currentForm(), form.data());
    ui_->report(10006, 0.0f);
    ui_->report(10006, 0.0f);
    ui_->settle(30);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
    BaseForm* rebuilt = ui_->window()->currentForm();
    QCOMPARE(UiInspect::currentClass(ui_->window()), QString("VsdOptionsForm"));
    QCOMPARE(rowOf(rebuilt, 10524).id, -1);
    QCOMPARE(rebuilt->currentRow(), 3);
    QCOMPARE(UiInspect::formClasses(ui_->window()).size(), 5);

    // On another drive the control type rebuilds nothing.
    set({{685, 1}});
    ui_->report(10006, 1.0f);
    ui_->settle(30);
    QCOMPARE(ui_->window()->currentForm(), rebuilt);

    // A vector control type other than "Мин.ток" for a magnet motor warns, once while the warning is open.
    DialogGate::clearRecords();
    ui_->report(10524, 1.0f);
    set({{782, 0}});
    ui_->report(10524, 0.0f);
    QCOMPARE(UiFixture::messages().size(), 0);
    set({{782, 1}});
    ui_->report(10524, 0.0f);
    ui_->report(10524, 0.0f);
    QCOMPARE(UiFixture::messages().size(), 1);
    QCOMPARE(UiFixture::messages().first().text, notAdvised);
    QCOMPARE(UiFixture::messages().first().type, int(MessageDialog::Information));

    // The auto-adaptation reminder of a Danfoss drive, also once.
    DialogGate::clearRecords();
    set({{685, 2}});
    ui_->report(783, 1.0f);
    ui_->report(783, 1.0f);
    QCOMPARE(UiFixture::messages().size(), 1);
    QCOMPARE(UiFixture::messages().first().text, adaptation);
}

void TestVsdScreens::choicesShowAndWriteTheirKeys_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("key");

    QTest::newRow("negative gain") << "VsdResonanceForm" << Values{{10089, -3}} << 10089 << "-3" << -9;
    QTest::newRow("gain off") << "VsdResonanceForm" << Values{{10344, 2}} << 10344 << "2" << 0;
    QTest::newRow("gain out of list") << "VsdResonanceForm" << Values{{10344, 5}} << 10344 << "5 " << 3;
    QTest::newRow("warm-up sign") << "VsdTemperatureForm" << Values{{1637, 1}} << 1637 << "+" << -1;
    QTest::newRow("warm-up sign 0") << "VsdTemperatureForm" << Values{{1637, 0}} << 1637 << "0 " << 1;
    QTest::newRow("port speed in bit/s") << "VsdConnectForm" << Values{{685, 1}, {1702, 14400}} << 1702 << "14400 "
                                         << 115200;
    QTest::newRow("drive port speed 48") << "VsdServiceHardwareForm" << Values{{10544, 48}} << 10544 << "57600"
                                         << 96;
    QTest::newRow("drive port speed 64") << "VsdServiceHardwareForm" << Values{{10544, 64}} << 10544 << "64 " << 48;
    QTest::newRow("PWM of own drive") << "VsdOptionsForm" << Values{{685, 1}, {10228, 3000}} << 10228 << "3,0 кГц"
                                      << 5000;
    QTest::newRow("reduction rate") << "VsdServiceAdditionalForm" << Values{{10058, 1}} << 10058 << "500Гц/с" << 6;
    QTest::newRow("fan control") << "VsdServiceMenu" << Values{{685, 2}, {10239, 5}} << 10239 << "5 " << 4;
    QTest::newRow("channel") << "VsdConnectForm" << Values{{685, 1}, {1707, 2}} << 1707 << "Основной" << 4;
}

void TestVsdScreens::choicesShowAndWriteTheirKeys()
{
    QFETCH(QString, screen);
    QFETCH(Values, values);
    QFETCH(int, id);
    QFETCH(QString, shown);
    QFETCH(int, key);
    set(values);
    BaseForm* form = show(screen);
    QCOMPARE(rowOf(form, id).value, shown);

    auto* combo = qobject_cast<BaseComboBox*>(form->rowAt(rowIndex(form, id)));
    QVERIFY(combo);
    mc_->clear();
    QVERIFY(combo->choose(combo->valuesList().indexOfKey(key)));
    QCOMPARE(mc_->writes().size(), 1);
    QCOMPARE(mc_->writes().first().id, quint16(id));
    QCOMPARE(mc_->writes().first().raw, Common::floatBits(static_cast<float>(key)));
    QCOMPARE(mc_->writes().first().eventType, 1);
}

void TestVsdScreens::commandsBehindAccessAndQuestion_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<Values>("values");
    // The button's row counted from the end.
    QTest::addColumn<int>("fromEnd");
    QTest::addColumn<bool>("granted");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("id");
    QTest::addColumn<float>("written");  // NaN: nothing
    QTest::addColumn<bool>("waits");

    const float none = std::numeric_limits<float>::quiet_NaN();
    const QString defaults = "Сбросить значения уставок по умолчанию?";
    const QString counters = "Сбросить счётчики качества связи?";
    const QString proxy = "Сбросить прокси";
    const Values etalon{{685, 3}};
    const Values own{{685, 1}};
    QTest::newRow("defaults, refused") << "VsdServiceMenu" << etalon << 1 << false << 1 << "" << 772 << none << false;
    QTest::newRow("defaults, no") << "VsdServiceMenu" << etalon << 1 << true << 0 << defaults << 772 << none << false;
    QTest::newRow("defaults, yes, Эталон")
        << "VsdServiceMenu" << etalon << 1 << true << 1 << defaults << 772 << 1.0f << true;
    QTest::newRow("defaults, yes, own drive")
        << "VsdServiceMenu" << own << 1 << true << 1 << defaults << 772 << 1.0f << false;
    QTest::newRow("defaults, yes, Danfoss")
        << "VsdServiceMenu" << Values{{685, 2}} << 1 << true << 1 << defaults << 772 << 1.0f << false;
    QTest::newRow("proxy, refused") << "VsdServiceHardwareForm" << own << 1 << false << 1 << "" << 10538 << none
                                    << false;
    QTest::newRow("proxy, no") << "VsdServiceHardwareForm" << own << 1 << true << 0 << proxy << 10538 << none << false;
    QTest::newRow("proxy, yes") << "VsdServiceHardwareForm" << own << 1 << true << 1 << proxy << 10538 << 2.0f
                                << false;
    // The counters are reset without a password.
    QTest::newRow("counters, no") << "VsdConnectForm" << own << 1 << false << 0 << counters << 913 << none << false;
    QTest::newRow("counters, yes") << "VsdConnectForm" << own << 1 << false << 1 << counters << 913 << 1.0f << false;
    QTest::newRow("port, refused") << "VsdConnectForm" << Values{{685, 2}} << 2 << false << 1 << "" << 761 << none
                                   << false;
    QTest::newRow("port, granted") << "VsdConnectForm" << Values{{685, 2}} << 2 << true << 1 << "" << 761 << 1.0f
                                   << false;
}

void TestVsdScreens::commandsBehindAccessAndQuestion()
{
    QFETCH(QString, screen);
    QFETCH(Values, values);
    QFETCH(int, fromEnd);
    QFETCH(bool, granted);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(int, id);
    QFETCH(float, written);
    QFETCH(bool, waits);
    UiClock::setResetWaitMs(300);
    set(values);
    set({{572, granted ? 1.0f : 0.0f}});
    BaseForm* form = show(screen);
    form->setCurrentRow(form->rowCount() - fromEnd);
    QCOMPARE(UiInspect::row(form, form->currentRow()).kind, QString("button"));
    DialogGate::clearRecords();
    mc_->clear();
    // A refused password is the one dialog of a refused command.
    const bool refused = !granted && question.isEmpty();
    if (!refused)
        DialogGate::setNextAnswer(answer);
    QTest::keyClick(form, Qt::Key_Return);
    DialogGate::clearAnswers();

    const QList<DialogGate::Record> records = DialogGate::records();
    const QList<DialogGate::Record> asked = UiFixture::messages();
    QCOMPARE(asked.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty()) {
        QCOMPARE(asked.first().text, question);
        QCOMPARE(asked.first().type, int(MessageDialog::Question));
    }
    bool password = false;
    for (const DialogGate::Record& r : records)
        password |= r.kind == DialogGate::Password;
    QCOMPARE(password, refused);

    if (std::isnan(written)) {
        QCOMPARE(mc_->writes().size(), 0);
    } else {
        QCOMPARE(mc_->writes().size(), 1);
        QCOMPARE(mc_->writes().first().id, quint16(id));
        QCOMPARE(mc_->writes().first().value(), written);
        QCOMPARE(mc_->writes().first().eventType, 1);
    }
    QPointer<ProgressBarDialog> wait = ui_->window()->findChild<ProgressBarDialog*>();
    QCOMPARE(!wait.isNull(), waits);
    if (waits) {
        // With the time it has been open.
        QVERIFY(wait->text().startsWith("Ожидание применения...\nпрошло "));
        QTRY_VERIFY_WITH_TIMEOUT(wait.isNull(), 2000);
    }
}

void TestVsdScreens::serviceTablesKeepKindsLevelsAndLabels_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<float>("driveType");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QString>("levels");
    // "row=label" spot checks.
    QTest::addColumn<QStringList>("labels");
    // Settings that a running motor locks.
    QTest::addColumn<QList<int>>("stopped");

    QTest::newRow("Danfoss") << "VsdServiceMenu" << 2.0f << "eeeeeeeeeeeeeceeeeeveeeeecb"
                             << "1111111111211131111-111122-"
                             << QStringList{"8=Длительность действия тока (2-07)", "25=Управление вентилятором"}
                             << QList<int>{10021};
    QTest::newRow("Эталон") << "VsdServiceMenu" << 3.0f
                            << "eeeeeeeeeeeeeeeeeeeeveveveveveveveeveveeecvvvveceecceeeb"
                            << "11111111111111111112-2-2-1-1-1-1-11-1-1111----111111111-"
                            << QStringList{"18=Индуктивность выходного фильтра (164)", "52=10065", "54=10303",
                                           "41=Источник U/f"}
                            << QList<int>{10525, 10492};
    QTest::newRow("indication") << "VsdServiceIndicationParamForm" << 1.0f << QString(12, 'v') << QString(12, '-')
                                << QStringList{"0=Выходной ток ПЧ (187)", "3=Действующий ток фазы A (181)",
                                               "6=Гарм/вект. ток фазы A (191)", "8=Гарм/вект. ток фазы C (195)"}
                                << QList<int>{};
    QTest::newRow("status words") << "VsdServicePswForm" << 1.0f << QString(9, 'v') << QString(9, '-')
                                  << QStringList{"0=Сл.сост.ЧРП1 (92)", "1=Сохранённое Сл.сост.ЧРП1",
                                                 "8=Сохранённое Сл.сост.ЧРП7"}
                                  << QList<int>{};
    QTest::newRow("temperatures") << "VsdServiceIndicationTemperatureForm" << 1.0f << QString(40, 'v')
                                  << QString(40, '-')
                                  << QStringList{"19=Дельта температуры фазы 0 драйвера 0",
                                                 "23=Т1 тиристора дравера 1 (109)", "39=Дельта температуры фазы 2 "
                                                                                    "драйвера 1"}
                                  << QList<int>{};
    QTest::newRow("temperature control") << "VsdTemperatureForm" << 1.0f << "eeeceeecee" << "3333333333"
                                         << QStringList{"3=Режим работы термодатчиков", "8=Температура прогрева (41)"}
                                         << QList<int>{};
    QTest::newRow("additional") << "VsdServiceAdditionalForm" << 1.0f << "eeccvveeeee" << "3322--11111"
                                << QStringList{"8=Суммарная индуктивность на выходе ЧРП (128) (128)",
                                               "10=Суммарное выходное сопротивление (214(D6h))"}
                                << QList<int>{};
    QTest::newRow("hardware") << "VsdServiceHardwareForm" << 1.0f << "eeeeeeeecccccccccceeceeeeeecb"
                              << "1133333322233233322313333333-"
                              << QStringList{"14=Тестовый режим контроллера ПЧ", "19=Коэффициент отображения тока",
                                             "28=Сбросить прокси"}
                              << QList<int>{};
}

void TestVsdScreens::serviceTablesKeepKindsLevelsAndLabels()
{
    QFETCH(QString, screen);
    QFETCH(float, driveType);
    QFETCH(QString, kinds);
    QFETCH(QString, levels);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, stopped);
    set({{685, driveType}});
    BaseForm* form = show(screen);
    const QPair<QString, QString> shown = kindsAndLevels(form, ui_->params());
    QCOMPARE(shown.first, kinds);
    QCOMPARE(shown.second, levels);
    for (const QString& spot : labels) {
        const int row = spot.section('=', 0, 0).toInt();
        QCOMPARE(UiInspect::row(form, row).label, spot.section('=', 1));
    }

    // While the motor runs the locked settings refuse before any editor opens; the others stay open to change.
    QList<int> locked;
    for (const RowInfo& row : UiInspect::rows(form)) {
        const ParameterDef* def = row.id >= 0 ? ui_->params()->getParameter(static_cast<quint16>(row.id)) : nullptr;
        if (row.editable && def && def->operation == 3)
            locked << row.id;
    }
    QCOMPARE(locked, stopped);
    if (stopped.isEmpty())
        return;
    set({{13, 2}, {572, 4}});
    DialogGate::clearRecords();
    form->setCurrentRow(rowIndex(form, stopped.first()));
    QTest::keyClick(form, Qt::Key_Return);
    QCOMPARE(UiFixture::messages().size(), 1);
    QCOMPARE(UiFixture::messages().first().text, QString("Для изменения остановите двигатель!"));
    QCOMPARE(mc_->writes().size(), 0);
}

RVK_TEST_MAIN(TestVsdScreens)
#include "tst_vsdscreens.moc"
