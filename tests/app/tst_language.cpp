// The language of the panel follows parameter 570 on the simulated controller: at start-up, and at run time,
// when the screen on show (wherever it stands in the menu tree) is built anew in the new language on the row it
// was on, the journal included; never under an open dialog. In English and Spanish no screen of the tree shows a
// Russian word.
#include <QtTest>

#include <QDialog>
#include <QSqlQuery>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "equipment/equipmentmenu.h"
#include "log/log_event.h"
#include "log/log_event_form.h"
#include "log/logmenu.h"
#include "protections/protections_supply_menu.h"
#include "screens/mainmenu.h"
#include "screens/mainscreenform.h"
#include "screens/optionsmenu.h"
#include "support/simscreentest.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/basecombobox.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/screenwalker.h"

namespace {

constexpr quint16 kLanguage = 570;

// The list of screens a test row shows, by the menu it belongs to.
Pages pagesOf(const QString& menu)
{
    if (menu == QLatin1String("MainMenu"))
        return MainMenu::createNextForm();
    if (menu == QLatin1String("ProtectionsSupplyMenu"))
        return ProtectionsSupplyMenu::createNextForm();
    if (menu == QLatin1String("EquipmentMenu"))
        return EquipmentMenu::createNextForm();
    if (menu == QLatin1String("LogMenu"))
        return LogMenu::createNextForm();
    // The roots are shown alone.
    if (menu == QLatin1String("MainScreenForm"))
        return {new MainScreenForm(nullptr)};
    return {new MainMenu(nullptr)};
}

// A start record of the journal: code 1, start reason 1.
QByteArray startRecord(quint32 serial)
{
    QByteArray r(LogEvent::kRecordSize, '\0');
    for (int i = 0; i < 4; ++i) {
        r[i] = static_cast<char>((serial >> (8 * i)) & 0xFF);
        r[4 + i] = static_cast<char>(((1780000000u + serial) >> (8 * i)) & 0xFF);
    }
    r[8] = 1;
    r[10] = 1;
    return r;
}

} // namespace

class TestLanguage : public SimScreenTest
{
    Q_OBJECT

public:
    TestLanguage() : SimScreenTest(QStringLiteral("570=1;571=0")) {}

private slots:
    void startupTakesTheControllersLanguage();
    void screenOnShowFollowsLanguage_data();
    void screenOnShowFollowsLanguage();
    void operatorChoosesLanguageOnItsPage();
    void rebuildWaitsForOpenDialog();
    void unknownLanguageShowsRussian();
    void everyScreenSpeaksTheLanguage_data();
    void everyScreenSpeaksTheLanguage();

private:
    MainApplication* app() const { return MainApplication::getInstance(); }
    // Sets 570 on the controller and waits until the panel has taken it and rebuilt the screen on show.
    bool switchTo(int language);

};

bool TestLanguage::switchTo(int language)
{
    if (!station_->setValues(QStringLiteral("570=%1").arg(language)))
        return false;
    // The rebuild runs once the update has reached every receiver.
    ui_->settle(30);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return app()->language() == language;
}

void TestLanguage::startupTakesTheControllersLanguage()
{
    // The first synchronisation brought 570 = 1 before any screen was built.
    QCOMPARE(app()->language(), 1);
    QCOMPARE(QCoreApplication::translate("MainMenu", "Главное меню"), QStringLiteral("Main menu"));
    ui_->window()->addForm(new MainMenu(nullptr), 0);
    QCOMPARE(current()->title(), QStringLiteral("MAIN MENU"));
    QCOMPARE(UiInspect::row(current(), 0).label, QStringLiteral("Actual values"));
}

void TestLanguage::screenOnShowFollowsLanguage_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    QTest::addColumn<bool>("keepsRow");

    // The roots, a page of a menu, a page reached with Right, a screen that rebuilds itself, the journal (which
    // lists its records anew, from the newest).
    QTest::newRow("main screen") << "MainScreenForm" << "MainScreenForm" << "СОСТОЯНИЕ СТАНЦИИ" << "STATION STATE"
                                 << true;
    QTest::newRow("main menu") << "" << "MainMenu" << "ГЛАВНОЕ МЕНЮ" << "MAIN MENU" << true;
    QTest::newRow("menu page") << "MainMenu" << "OptionsMenu" << "НАСТРОЙКИ" << "SETTINGS" << true;
    QTest::newRow("second protection") << "ProtectionsSupplyMenu" << "ProtectionUndervoltageInputForm"
                                       << "ПОНИЖЕННОЕ НАПРЯЖЕНИЕ" << "UNDERVOLTAGE" << true;
    QTest::newRow("self-rebuilding") << "EquipmentMenu" << "FiltersForm" << "ФИЛЬТРЫ" << "FILTERS" << true;
    QTest::newRow("journal") << "LogMenu" << "LogEventForm" << "ЖУРНАЛ СОБЫТИЙ" << "EVENT LOG" << false;
}

void TestLanguage::screenOnShowFollowsLanguage()
{
    QFETCH(QString, menu);
    QFETCH(QString, screen);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    QFETCH(bool, keepsRow);

    app()->logEvent()->slotNewEvent(startRecord(900001));
    QVERIFY(switchTo(0));
    QVERIFY(ui_->showPage(pagesOf(menu), screen));
    QCOMPARE(current()->title(), russian);
    QTRY_VERIFY(current()->rowCount() > 1);
    current()->setCurrentRow(keepsRow ? qMin(2, current()->rowCount() - 1) : 1);
    const int row = keepsRow ? current()->currentRow() : 0;
    const QStringList siblings = UiInspect::formClasses(ui_->window());
    const int position = UiInspect::currentIndex(ui_->window());

    for (const auto& [language, title] : {std::pair<int, QString>{1, english}, std::pair<int, QString>{0, russian}}) {
        QPointer<BaseForm> before = current();
        QVERIFY(switchTo(language));
        QVERIFY2(!before, "the screen on show was not built anew");
        QCOMPARE(UiInspect::currentClass(ui_->window()), screen);
        QCOMPARE(current()->title(), title);
        QTRY_COMPARE(current()->currentRow(), row);
        QCOMPARE(UiInspect::formClasses(ui_->window()), siblings);
        QCOMPARE(UiInspect::currentIndex(ui_->window()), position);
    }

    if (screen == QLatin1String("LogEventForm")) {
        // The journal lists its records again, decoded in the new language.
        QVERIFY(switchTo(1));
        auto* journal = current();
        QTRY_VERIFY(journal->rowCount() > 0);
        const RowInfo newest = UiInspect::row(journal, 0);
        QCOMPARE(newest.kind, QStringLiteral("event"));
        QVERIFY2(newest.label.startsWith(QStringLiteral("Start. ")), qPrintable(newest.label));
        QVERIFY(switchTo(0));
        QTRY_VERIFY(current()->rowCount() > 0);
        QVERIFY(UiInspect::row(current(), 0).label.startsWith(QStringLiteral("Пуск. ")));
    }
}

void TestLanguage::operatorChoosesLanguageOnItsPage()
{
    QVERIFY(switchTo(0));
    QVERIFY(ui_->showPage(OptionsMenu::createNextForm(), QStringLiteral("OptionsLanguageForm")));
    auto* row = qobject_cast<BaseComboBox*>(current()->rowAt(0));
    QVERIFY(row);
    QCOMPARE(row->id(), kLanguage);
    QCOMPARE(row->currentText(), QStringLiteral("Русский"));
    // Enter, the next choice, Enter: the panel writes 570 and the controller reports it back.
    UiFixture::key(ui_->window(), Qt::Key_Return);
    UiFixture::key(ui_->window(), Qt::Key_Down);
    UiFixture::key(ui_->window(), Qt::Key_Return);
    QVERIFY(SimStation::waitFor([this] { return app()->language() == 1; }));
    QTRY_COMPARE(current()->title(), QStringLiteral("LANGUAGE"));
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("OptionsLanguageForm"));
    row = qobject_cast<BaseComboBox*>(current()->rowAt(0));
    QVERIFY(row);
    QCOMPARE(row->name(), QStringLiteral("Language"));
    QTRY_COMPARE(row->currentText(), QStringLiteral("English"));
}

void TestLanguage::rebuildWaitsForOpenDialog()
{
    QVERIFY(switchTo(0));
    ui_->window()->addForm(new MainMenu(nullptr), 0);
    QPointer<BaseForm> menu = current();
    QDialog dialog(ui_->window());
    dialog.setModal(true);
    dialog.show();
    QVERIFY(QApplication::activeModalWidget() == &dialog);

    QVERIFY(switchTo(1));
    ui_->settle(300);
    QCOMPARE(current(), menu.data());
    QCOMPARE(current()->title(), QStringLiteral("ГЛАВНОЕ МЕНЮ"));

    dialog.close();
    QTRY_VERIFY(!menu);
    QCOMPARE(current()->title(), QStringLiteral("MAIN MENU"));
}

void TestLanguage::unknownLanguageShowsRussian()
{
    QVERIFY(switchTo(1));
    ui_->window()->addForm(new MainMenu(nullptr), 0);
    QCOMPARE(current()->title(), QStringLiteral("MAIN MENU"));
    QTest::ignoreMessage(QtWarningMsg, "MainApplication: no language 7 - the texts stay Russian");
    station_->sim()->setValue(kLanguage, 7.0f);
    QVERIFY(SimStation::waitFor([this] { return app()->language() == 0; }));
    QTRY_COMPARE(current()->title(), QStringLiteral("ГЛАВНОЕ МЕНЮ"));
    QCOMPARE(QCoreApplication::translate("MainMenu", "Главное меню"), QStringLiteral("Главное меню"));
}

void TestLanguage::everyScreenSpeaksTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("en") << 1;
    QTest::newRow("es") << 2;
}

void TestLanguage::everyScreenSpeaksTheLanguage()
{
    QFETCH(int, language);
    // The station with the most screens: own drive, extension board, downhole sensors of type 17, a meter and a
    // permanent-magnet motor; the journal holds the controller's sample events.
    QVERIFY(station_->setValues(QStringLiteral("685=1;1644=1;39=17;705=1;782=1")));
    QVERIFY(switchTo(language));
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    // The reference motors keep the names of their catalogue.
    QSet<QString> motors;
    QSqlQuery query(QStringLiteral("SELECT name FROM motors_etalon"));
    while (query.next())
        motors.insert(query.value(0).toString());
    QVERIFY(!motors.isEmpty());
    QStringList russian;
    int screens = 0;
    auto check = [&](const QString& where, const QString& text) {
        for (QString line : text.split(QLatin1Char('\n'))) {
            // Language names in their own language, and a register suffix spelt with a Cyrillic letter.
            line.remove(QStringLiteral("Русский")).remove(QStringLiteral("(24Сh)"));
            if (line.contains(cyrillic) && !motors.contains(line))
                russian << where + QStringLiteral(": ") + line;
        }
    };
    LogEventForm::setListingIntervals(0, 0, 0);
    ScreenWalker walker(ui_->window(), [] { return new MainMenu(nullptr); });
    const bool walked = walker.walk([&](const ScreenWalker::Screen& screen) {
        ++screens;
        check(screen.className, screen.title);
        for (const RowInfo& row : screen.rows) {
            for (const QString& text : QStringList{row.label, row.value} + row.texts)
                check(screen.className, text);
        }
        for (const QString& message : screen.messages)
            check(screen.className, message);
    });
    LogEventForm::resetListingIntervals();
    QVERIFY2(walked, qPrintable(walker.errors().join(QLatin1Char('\n'))));
    QVERIFY(screens > 100);
    russian.removeDuplicates();
    QVERIFY2(russian.isEmpty(), qPrintable(russian.mid(0, 30).join(QLatin1Char('\n'))));
}

RVK_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
