// Items of the equipment menu chosen by the drive type, the extension board and the network synchronisation.
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "equipment/dhs_menu.h"
#include "equipment/equipmentmenu.h"
#include "equipment/vsd_menu.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"

namespace {

void report(quint16 id, float value)
{
    unTypeData v;
    v.f = value;
    MainApplication::getInstance()->params()->slotParamUpdated(id, v.u, 0);
}

QStringList buttonTexts(BaseForm* form)
{
    QStringList texts;
    for (int row = 0; row < form->rowCount(); ++row) {
        if (form->childButtonPosition(row) >= 0) {
            auto* button = qobject_cast<PushButton*>(form->rowAt(row));
            texts << (button ? button->text() : QString());
        }
    }
    return texts;
}

const QStringList kFixedPages{"MotorForm", "TransForm",   "VsdMenu",  "DhsMenu",
                              "EmForm",    "FiltersForm", "PumpForm", "RelayOutputsOptionsMenu"};
const QStringList kFixedButtons{"Двигатель",       "ТМПН",     "ЧРП",   "ТМС", "Счётчик электроэнергии",
                                "Фильтры",         "Насос",    "Релейные выходы"};

} // namespace

class TestEquipmentMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void itemsFollowSettings_data();
    void itemsFollowSettings();
    void pagesStayWithButtons();
    void drivePagesFollowDriveType();
    void dhsRowOpensTheScreenItNames_data();
    void dhsRowOpensTheScreenItNames();
};

void TestEquipmentMenu::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app->initDatabase());
    app->initParameters();
}

void TestEquipmentMenu::itemsFollowSettings_data()
{
    QTest::addColumn<float>("vsdType");
    QTest::addColumn<float>("extension");
    QTest::addColumn<float>("networkSync");
    QTest::addColumn<QStringList>("extra");

    const QString analog = "AnalogOutputsMenu";
    const QString bypass = "BypassContactorsForm";
    QTest::newRow("no drive") << 0.0f << 0.0f << 0.0f << QStringList{};
    QTest::newRow("own drive") << 1.0f << 0.0f << 0.0f << QStringList{};
    QTest::newRow("danfoss") << 2.0f << 0.0f << 0.0f << QStringList{bypass};
    QTest::newRow("danfoss, 2.7 truncated") << 2.7f << 0.0f << 0.0f << QStringList{bypass};
    QTest::newRow("etalon synchronised") << 3.0f << 1.0f << 5.0f << QStringList{analog};
    QTest::newRow("etalon not synchronised") << 3.0f << 0.0f << 4.0f << QStringList{bypass};
    QTest::newRow("danfoss with extension") << 2.0f << 1.0f << 0.0f << QStringList{analog, bypass};
}

void TestEquipmentMenu::itemsFollowSettings()
{
    QFETCH(float, vsdType);
    QFETCH(float, extension);
    QFETCH(float, networkSync);
    QFETCH(QStringList, extra);
    report(685, vsdType);
    report(1644, extension);
    report(10504, networkSync);

    QCOMPARE(EquipmentMenu::createNextForm().classNames(), kFixedPages + extra);

    EquipmentMenu menu(nullptr);
    menu.BaseForm::createForm(-1);
    QStringList texts = kFixedButtons;
    for (const QString& page : extra)
        texts << (page == "AnalogOutputsMenu" ? "Аналоговые выходы" : "Байпасные контакторы");
    QCOMPARE(buttonTexts(&menu), texts);
}

void TestEquipmentMenu::pagesStayWithButtons()
{
    report(685, 2.0f);
    report(1644, 1.0f);
    EquipmentMenu menu(nullptr);
    menu.BaseForm::createForm(-1);
    QCOMPARE(menu.childButtonCount(), 10);

    // The buttons were built with the extension board: its pages stay until the menu is built again.
    report(1644, 0.0f);
    report(685, 0.0f);
    menu.setFormsList();
    QCOMPARE(menu.formsList().classNames(), (kFixedPages + QStringList{"AnalogOutputsMenu", "BypassContactorsForm"}));
    QCOMPARE(EquipmentMenu::createNextForm().classNames(), kFixedPages);
}

void TestEquipmentMenu::drivePagesFollowDriveType()
{
    const QStringList head{"RunningModeMenu", "VsdOptionsForm", "VsdUfSettingForm"};
    const QStringList tail{"VsdServiceMenu", "VsdConnectForm"};
    report(685, 1.0f);
    QCOMPARE(VsdMenu::createNextForm().classNames(), (head + QStringList{"VsdResonanceForm", "VsdVectorForm"} + tail));

    VsdMenu menu(nullptr);
    menu.BaseForm::createForm(-1);
    // The drive type row first, then one button per page.
    QCOMPARE(menu.rowCount(), 8);
    QCOMPARE(menu.childButtonCount(), 7);

    report(685, 2.0f);
    QCOMPARE(VsdMenu::createNextForm().classNames(), head + tail);
    // The open menu keeps the pages its buttons were built for.
    menu.setFormsList();
    QCOMPARE(menu.formsList().size(), 7);
}

void TestEquipmentMenu::dhsRowOpensTheScreenItNames_data()
{
    QTest::addColumn<float>("builtWith");
    QTest::addColumn<float>("pressedWith");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("opens");

    const QStringList two{"Параметры ТМС", "Параметры связи ТМС"};
    const QStringList three = two + QStringList{"Конфигурация ТМС"};
    const QStringList twoPages{"DhsSettingForm", "DhsConnectForm"};
    const QStringList threePages = twoPages + QStringList{"DhsConfigurationForm"};
    QTest::newRow("17 stays") << 17.0f << 17.0f << three << threePages;
    QTest::newRow("17 then 5") << 17.0f << 5.0f << three << threePages;
    QTest::newRow("17 then none") << 17.0f << 0.0f << three << threePages;
    QTest::newRow("5 then 17") << 5.0f << 17.0f << two << twoPages;
    QTest::newRow("none then 17") << 0.0f << 17.0f << QStringList{} << QStringList{};
    QTest::newRow("out of range then 17") << 40.0f << 17.0f << two << twoPages;
}

void TestEquipmentMenu::dhsRowOpensTheScreenItNames()
{
    QFETCH(float, builtWith);
    QFETCH(float, pressedWith);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, opens);
    UiFixture ui;
    for (int position = 0; position < qMax(1, buttons.size()); ++position) {
        report(39, builtWith);
        ui.window()->addForm(new DhsMenu(nullptr), 0);
        BaseForm* menu = ui.window()->currentForm();
        QCOMPARE(buttonTexts(menu), buttons);
        if (buttons.isEmpty())
            break;
        // The type changes between the build of the rows and the press.
        report(39, pressedWith);
        int row = 0;
        while (menu->childButtonPosition(row) != position)
            ++row;
        menu->setCurrentRow(row);
        QTest::keyClick(menu->rowAt(row), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(UiInspect::formClasses(ui.window()), opens);
        QCOMPARE(UiInspect::currentClass(ui.window()), opens.at(position));
        const QStringList titles{"Параметры ТМС", "Связь с ТМС", "Конфигурация ТМС"};
        QCOMPARE(ui.window()->currentForm()->title(), titles.at(position).toUpper());
    }
}

RVK_TEST_MAIN(TestEquipmentMenu)
#include "tst_equipmentmenu.moc"
