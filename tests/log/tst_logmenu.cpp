// The journal menu against a controller that answers writes: rows, access checks, archive commands and
// their progress dialogs, the time-out of a command whose end never comes, the way back.
#include <QtTest>

#include <QElapsedTimer>
#include <QProgressBar>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "log/log_event.h"
#include "log/log_event_form.h"
#include "log/logmenu.h"
#include "screens/mainmenu.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

namespace {

const QStringList kMainPages{"CurrentParamsMenu", "LogMenu",      "EquipmentMenu", "ProtectionsMenu",
                             "TechnologParamsMenu", "NotebookMenu", "OptionsMenu"};

} // namespace

class TestLogMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsFollowTheSensorSystem();
    void copyAsksOnlyWithoutTheLevel();
    void copyFollowsTheController();
    void deleteAlwaysAsksAndRereadsTheJournal();
    void deleteOfServiceArchivesKeepsTheStore();
    void unansweredCommandGivesUpWithAnError();
    void escapeAndTheJournalButton();

private:
    Parameters* params() const { return MainApplication::getInstance()->params(); }
    LogEvent* store() const { return MainApplication::getInstance()->logEvent(); }
    // The menu shown as the second main-menu page.
    LogMenu* showMenu();
    void pressRow(int row);
    QList<ProgressBarDialog*> progressDialogs() const;
    QList<FakeController::Write> writesOf(quint16 id) const;
    static int passwordsAsked();
    static QStringList messages(int type);

    QScopedPointer<UiFixture> ui_;
    QScopedPointer<FakeController> mc_;
};

void TestLogMenu::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app->initDatabase());
    app->initParameters();
    app->initLogEvent();
}

void TestLogMenu::init()
{
    ui_.reset(new UiFixture);
    // Progress value and maximum, which the catalogue does not hold.
    ui_->addParameter(724, 0.0f);
    ui_->addParameter(725, 0.0f);
    mc_.reset(new FakeController);
    ui_->report(573, 1111.0f);
    ui_->report(571, 1.0f);
    ui_->report(572, 0.0f);
    ui_->report(39, 0.0f);
    for (quint16 id : {594, 595, 596, 724, 725})
        ui_->report(id, 0.0f);
    QCoreApplication::processEvents();
    mc_->clear();
    DialogGate::clearRecords();
}

void TestLogMenu::cleanup()
{
    // Answers of the controller still on their way belong to this test.
    UiFixture::settle(20);
    for (ProgressBarDialog* d : progressDialogs())
        delete d;
    mc_.reset();
    ui_.reset();
}

LogMenu* TestLogMenu::showMenu()
{
    ui_->window()->addForm(MainMenu::createNextForm(), 1, -1);
    return qobject_cast<LogMenu*>(ui_->window()->currentForm());
}

void TestLogMenu::pressRow(int row)
{
    BaseForm* form = ui_->window()->currentForm();
    form->setCurrentRow(row);
    QTest::keyClick(form->rowAt(row), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<ProgressBarDialog*> TestLogMenu::progressDialogs() const
{
    QList<ProgressBarDialog*> list;
    for (ProgressBarDialog* d : ui_->window()->findChildren<ProgressBarDialog*>()) {
        if (d->isVisible())
            list.append(d);
    }
    return list;
}

QList<FakeController::Write> TestLogMenu::writesOf(quint16 id) const
{
    QList<FakeController::Write> list;
    for (const FakeController::Write& w : mc_->writes()) {
        if (w.id == id)
            list.append(w);
    }
    return list;
}

int TestLogMenu::passwordsAsked()
{
    int n = 0;
    for (const DialogGate::Record& r : DialogGate::records())
        n += r.kind == DialogGate::Password ? 1 : 0;
    return n;
}

QStringList TestLogMenu::messages(int type)
{
    QStringList list;
    for (const DialogGate::Record& r : UiFixture::messages()) {
        if (r.type == type)
            list.append(r.text);
    }
    return list;
}

void TestLogMenu::rowsFollowTheSensorSystem()
{
    const QStringList buttons{"Журнал событий", "Считать архив", "Очистить архив", "Очистить сервисный архив"};
    const auto check = [&](float dhsType, const QList<int>& editIds) {
        ui_->report(39, dhsType);
        LogMenu* menu = showMenu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("LogMenu"));
        QCOMPARE(menu->title(), QStringLiteral("АРХИВЫ"));
        const QList<RowInfo> rows = UiInspect::rows(menu);
        QCOMPARE(rows.size(), 4 + editIds.size() + 1);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(rows.at(i).kind, QStringLiteral("button"));
            QCOMPARE(rows.at(i).label, buttons.at(i));
            QCOMPARE(rows.at(i).childButton, i == 0);
        }
        for (int i = 0; i < editIds.size(); ++i) {
            QCOMPARE(rows.at(4 + i).kind, QStringLiteral("edit"));
            QCOMPARE(rows.at(4 + i).id, editIds.at(i));
        }
        const RowInfo combo = rows.last();
        QCOMPARE(combo.kind, QStringLiteral("combo"));
        QCOMPARE(combo.id, 1393);
        QCOMPARE(combo.keys, QList<int>({0, 1}));
        QCOMPARE(combo.texts, QStringList({"Откл", "Вкл"}));
        QCOMPARE(menu->childButtonCount(), 1);

    };
    check(0.0f, {28, 1480, 29});
    if (QTest::currentTestFailed())
        return;
    // The low 16 bits of the type decide: 65536 is no system.
    check(65536.0f, {28, 1480, 29});
    if (QTest::currentTestFailed())
        return;
    check(5.0f, {28, 1480, 29, 30, 1128});
    if (QTest::currentTestFailed())
        return;
    // Names from the catalogue.
    const QList<RowInfo> rows = UiInspect::rows(ui_->window()->currentForm());
    const QStringList names{"Период записи в работе", "Период записи в останове", "Период экстренной записи",
                            "Период записи ТМС"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(rows.at(4 + i).label, names.at(i));
    QCOMPARE(rows.at(9).label, QStringLiteral("Отладочные сообщения телемеханики"));
    // A later change of the type leaves the open menu as it was built.
    ui_->report(39, 0.0f);
    QCOMPARE(ui_->window()->currentForm()->rowCount(), 10);
}

void TestLogMenu::copyAsksOnlyWithoutTheLevel()
{
    showMenu();
    // Protection on, nothing granted, the password refused: nothing written.
    DialogGate::setNextAnswer(QVariant());
    pressRow(1);
    QCOMPARE(passwordsAsked(), 1);
    QCOMPARE(DialogGate::records().first().type, 1);
    QVERIFY(mc_->writes().isEmpty());

    // The right password of level 1.
    DialogGate::setNextAnswer(QStringLiteral("1111"));
    pressRow(1);
    QCOMPARE(passwordsAsked(), 2);
    QCOMPARE(writesOf(594).size(), 1);
    QCOMPARE(writesOf(594).first().value(), 1.0f);
    QCOMPARE(writesOf(594).first().eventType, 1);

    // Level 1 granted, or protection off: no password.
    for (float protection : {1.0f, 0.0f}) {
        ui_->report(571, protection);
        ui_->report(572, protection == 1.0f ? 1.0f : 0.0f);
        mc_->clear();
        DialogGate::clearRecords();
        pressRow(1);
        QCOMPARE(passwordsAsked(), 0);
        QCOMPARE(writesOf(594).size(), 1);
        QCOMPARE(writesOf(594).first().value(), 1.0f);
    }
}

void TestLogMenu::copyFollowsTheController()
{
    ui_->report(571, 0.0f);
    showMenu();
    pressRow(1);
    QCOMPARE(writesOf(594).size(), 1);
    // The controller takes the command: the main window follows it.
    QVERIFY(QTest::qWaitFor([this] { return progressDialogs().size() == 1; }, 5000));
    ProgressBarDialog* dialog = progressDialogs().first();
    QCOMPARE(dialog->progressId(), quint16(594));
    QVERIFY(dialog->text().startsWith(QStringLiteral("Копирование архивов:")));
    ui_->report(725, 200.0f);
    ui_->report(724, 50.0f);
    QCOMPARE(dialog->progressBar()->maximum(), 200);
    QCOMPARE(dialog->progressBar()->value(), 50);

    QPointer<ProgressBarDialog> guard(dialog);
    ui_->report(594, 2.0f);
    QCOMPARE(messages(MessageDialog::Information), QStringList({"Копирование архивов завершено!"}));
    QCOMPARE(writesOf(594).size(), 2);
    QCOMPARE(writesOf(594).last().value(), 0.0f);
    // The controller reports 0 back and the dialog closes.
    QVERIFY(QTest::qWaitFor([&guard] { return guard.isNull(); }, 5000));
    QVERIFY(messages(MessageDialog::Error).isEmpty());
}

void TestLogMenu::deleteAlwaysAsksAndRereadsTheJournal()
{
    ui_->report(571, 0.0f);
    ui_->report(572, 4.0f);
    showMenu();
    QSignalSpy reads(store(), &LogEvent::signalEventRead);

    DialogGate::setNextAnswer(QVariant());
    pressRow(2);
    QCOMPARE(passwordsAsked(), 1);
    QVERIFY(mc_->writes().isEmpty());
    QVERIFY(progressDialogs().isEmpty());

    DialogGate::setNextAnswer(QStringLiteral("1111"));
    pressRow(2);
    QCOMPARE(passwordsAsked(), 2);
    // No question besides the password.
    QVERIFY(UiFixture::messages().isEmpty());
    QCOMPARE(writesOf(595).size(), 1);
    QCOMPARE(writesOf(595).first().value(), 1.0f);
    QCOMPARE(writesOf(595).first().eventType, 1);
    QCOMPARE(progressDialogs().size(), 1);
    QPointer<ProgressBarDialog> dialog = progressDialogs().first();
    QCOMPARE(dialog->progressId(), quint16(595));
    QVERIFY(dialog->text().startsWith(QStringLiteral("Удаление архивов:")));
    QVERIFY(QTest::qWaitFor([this] { return params()->get(595) == 1.0f; }, 5000));
    QVERIFY(dialog);
    QCOMPARE(reads.count(), 0);

    // The end of the delete: the dialog closes and the store reads the whole journal again.
    ui_->report(595, 0.0f);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QCOMPARE(reads.count(), 975);
    QVERIFY(messages(MessageDialog::Error).isEmpty());
}

void TestLogMenu::deleteOfServiceArchivesKeepsTheStore()
{
    ui_->report(571, 0.0f);
    showMenu();
    QSignalSpy reads(store(), &LogEvent::signalEventRead);
    DialogGate::setNextAnswer(QStringLiteral("1111"));
    pressRow(3);
    QCOMPARE(passwordsAsked(), 1);
    QCOMPARE(writesOf(596).size(), 1);
    QCOMPARE(writesOf(596).first().value(), 1.0f);
    QCOMPARE(progressDialogs().size(), 1);
    QPointer<ProgressBarDialog> dialog = progressDialogs().first();
    QVERIFY(dialog->text().startsWith(QStringLiteral("Удаление служебных архивов:")));
    QVERIFY(QTest::qWaitFor([this] { return params()->get(596) == 1.0f; }, 5000));
    ui_->report(596, 0.0f);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QCOMPARE(reads.count(), 0);
}

void TestLogMenu::unansweredCommandGivesUpWithAnError()
{
    // The default is long enough for a real archive operation.
    QVERIFY(UiClock::archiveTimeoutMs() >= 5 * 60 * 1000);
    UiClock::setArchiveTimeoutMs(150);
    ui_->report(571, 0.0f);
    showMenu();
    QSignalSpy reads(store(), &LogEvent::signalEventRead);

    // The controller takes the delete and never reports its end: the dialog stays for its time-out, no less.
    QElapsedTimer shown;
    shown.start();
    DialogGate::setNextAnswer(QStringLiteral("1111"));
    pressRow(2);
    QPointer<ProgressBarDialog> dialog = progressDialogs().value(0);
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(QTest::qWaitFor([&dialog] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }, 5000));
    // 150 ms, less the 5 % by which Qt may round a coarse timer.
    QVERIFY2(shown.elapsed() >= 142, qPrintable(QString::number(shown.elapsed())));
    QCOMPARE(messages(MessageDialog::Error), QStringList({"Удаление архивов не завершено: контроллер не ответил"}));
    // A late end is still handled by the store, and finds no dialog.
    ui_->report(595, 0.0f);
    QCOMPARE(reads.count(), 975);

    // The copy of the main window gives up in the same way (its dialog opens once the controller took the
    // command, and may be gone again before a look finds it).
    DialogGate::clearRecords();
    pressRow(1);
    QVERIFY(QTest::qWaitFor([] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !messages(MessageDialog::Error).isEmpty();
    }, 5000));
    QCOMPARE(messages(MessageDialog::Error), QStringList({"Копирование архивов не завершено: контроллер не ответил"}));
    QCOMPARE(UiFixture::dialogCount(DialogGate::Progress), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(progressDialogs().isEmpty());

    // An end that comes in time leaves no error behind, not even once the time-out has passed.
    DialogGate::clearRecords();
    UiClock::setArchiveTimeoutMs(1000);
    DialogGate::setNextAnswer(QStringLiteral("1111"));
    pressRow(3);
    dialog = progressDialogs().value(0);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitFor([this] { return params()->get(596) == 1.0f; }, 5000));
    ui_->report(596, 0.0f);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    UiFixture::settle(UiClock::archiveTimeoutMs());
    QVERIFY(messages(MessageDialog::Error).isEmpty());
}

void TestLogMenu::escapeAndTheJournalButton()
{
    LogMenu* menu = showMenu();
    QCOMPARE(UiInspect::formClasses(ui_->window()), kMainPages);
    QTest::keyClick(menu->rowAt(0), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(UiInspect::formClasses(ui_->window()), QStringList({"MainMenu"}));
    // "Архивы" is current.
    QCOMPARE(UiInspect::focusedRow(ui_->window()), 1);

    // Every opening of the journal builds a new screen.
    menu = showMenu();
    pressRow(0);
    QCOMPARE(UiInspect::formClasses(ui_->window()), QStringList({"LogEventForm"}));
    QPointer<BaseForm> first = ui_->window()->currentForm();
    QTest::keyClick(first, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("LogMenu"));
    QVERIFY(!first);
    pressRow(0);
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("LogEventForm"));
}

RVK_TEST_MAIN(TestLogMenu)
#include "tst_logmenu.moc"
