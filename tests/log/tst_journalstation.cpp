// The archives page driven with keys on a station linked to the simulated controller: the journal as the
// store read it, the copy and the delete of the archives as the controller runs them.
#include <QtTest>

#include <QDeadlineTimer>
#include <QProgressBar>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "link/spidriver.h"
#include "log/log_event.h"
#include "log/log_event_form.h"
#include "screens/mainmenu.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/eventitem.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/progressbardialog.h"

namespace {

McSimCore::ParamSeed progressSeed(quint16 id)
{
    McSimCore::ParamSeed s;
    s.id = id;
    s.operation = 1;
    s.max = 100000.0f;
    s.kind = 1;
    return s;
}

// Runs the event loop until `condition` holds, without the pause that QTest::qWaitFor takes between passes
// (the journal lists a row a pass); false after `timeoutMs`.
bool runUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;  // the last pass, when nothing else comes
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

class TestJournalStation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void journalListsTheStoreNewestFirst();
    void copyRunsToTheEnd();
    void deleteRereadsTheJournal();

private:
    MainWindow* window() const { return ui_->window(); }
    BaseForm* current() const { return window()->currentForm(); }
    QString currentClass() const { return UiInspect::currentClass(window()); }
    void key(int k);
    void openArchives();
    bool storeMatchesController() const;
    QStringList shownLines() const;
    QStringList storeLines() const;
    ProgressBarDialog* progressDialog() const;
    static QStringList messages(int type);

    // The link and the controller run on the test's clock; the screens on the real one.
    SimStation station_{QString(), SimStation::Clock::Manual};
    QScopedPointer<UiFixture> ui_;
};

void TestJournalStation::initTestCase()
{
    station_.addParameter(progressSeed(724));
    station_.addParameter(progressSeed(725));
    QVERIFY(station_.start());
    ui_.reset(new UiFixture);
    QVERIFY(SimStation::waitFor([this] { return storeMatchesController(); }, 20000));
    QCOMPARE(station_.logEvent()->events().size(), LogEvent::kMaxRecords);
}

void TestJournalStation::cleanupTestCase()
{
    ui_.reset();
    station_.stop();
    LogEventForm::resetListingIntervals();
}

bool TestJournalStation::storeMatchesController() const
{
    const auto events = station_.logEvent()->events();
    return !events.isEmpty() && events.lastKey() == station_.sim()->lastEventSerial();
}

void TestJournalStation::key(int k)
{
    QWidget* target = window()->focusWidget();
    if (!target || !window()->isAncestorOf(target))
        target = current();
    QTest::keyClick(target, static_cast<Qt::Key>(k));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestJournalStation::openArchives()
{
    window()->addForm(new MainMenu(nullptr), 0);
    QCOMPARE(current()->currentRow(), 0);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QCOMPARE(currentClass(), QStringLiteral("LogMenu"));
    QCOMPARE(current()->currentRow(), 0);
}

QStringList TestJournalStation::shownLines() const
{
    QStringList lines;
    for (int i = 0; i < current()->rowCount(); ++i) {
        auto* item = qobject_cast<EventItem*>(current()->rowAt(i));
        lines << (item ? item->dateTime() + QLatin1Char(' ') + item->text() : QString());
    }
    return lines;
}

QStringList TestJournalStation::storeLines() const
{
    QStringList lines;
    const auto events = station_.logEvent()->events();
    for (auto it = events.constEnd(); it != events.constBegin();) {
        --it;
        QByteArray r = it.value();
        QString text;
        QString dateTime;
        LogEvent::getTextEvent(&r, text, dateTime);
        lines << dateTime + QLatin1Char(' ') + text;
    }
    return lines;
}

ProgressBarDialog* TestJournalStation::progressDialog() const
{
    for (ProgressBarDialog* d : window()->findChildren<ProgressBarDialog*>()) {
        if (d->isVisible())
            return d;
    }
    return nullptr;
}

QStringList TestJournalStation::messages(int type)
{
    QStringList list;
    for (const DialogGate::Record& r : UiFixture::messages()) {
        if (r.type == type)
            list << r.text;
    }
    return list;
}

void TestJournalStation::journalListsTheStoreNewestFirst()
{
    // At the station's own pace first: a screenful at once, then one row a second.
    LogEventForm::resetListingIntervals();
    openArchives();
    key(Qt::Key_Return);
    QCOMPARE(currentClass(), QStringLiteral("LogEventForm"));
    QCOMPARE(current()->title(), QStringLiteral("ЖУРНАЛ СОБЫТИЙ"));
    auto* journal = qobject_cast<LogEventForm*>(current());
    QVERIFY(QTest::qWaitFor([journal] { return journal->rowCount() >= 10; }, 5000));
    QVERIFY(!journal->isListingComplete());
    QCOMPARE(shownLines(), storeLines().mid(0, journal->rowCount()));
    QCOMPARE(journal->currentRow(), 0);
    key(Qt::Key_Up);
    QCOMPARE(journal->currentRow(), 0);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QCOMPARE(journal->currentRow(), 2);
    key(Qt::Key_Up);
    QCOMPARE(journal->currentRow(), 1);
    // Escape stops the listing and goes back to the archives page.
    key(Qt::Key_Escape);
    QCOMPARE(currentClass(), QStringLiteral("LogMenu"));
    QCOMPARE(current()->currentRow(), 0);

    // Without the pauses, the whole store.
    LogEventForm::setListingIntervals(0, 0, 0);
    key(Qt::Key_Return);
    journal = qobject_cast<LogEventForm*>(current());
    QVERIFY(journal);
    QVERIFY(runUntil([journal] { return journal->isListingComplete(); }, 20000));
    QCOMPARE(journal->rowCount(), LogEvent::kMaxRecords);
    const QStringList shown = shownLines();
    QCOMPARE(shown, storeLines());
    // Date and time, then the text.
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\S")).match(shown.first()).hasMatch());
    QVERIFY(shown.first().left(19) >= shown.last().left(19));
    QCOMPARE(journal->currentRow(), 0);
    key(Qt::Key_Up);
    QCOMPARE(journal->currentRow(), LogEvent::kMaxRecords - 1);
    key(Qt::Key_Down);
    QCOMPARE(journal->currentRow(), 0);
    key(Qt::Key_F3);
    QCOMPARE(currentClass(), QStringLiteral("LogMenu"));
}

void TestJournalStation::copyRunsToTheEnd()
{
    openArchives();
    DialogGate::clearRecords();
    // Level 1 is not granted yet: the password is asked.
    DialogGate::setNextAnswer(QStringLiteral("1111"));
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QCOMPARE(DialogGate::records().value(0).kind, DialogGate::Password);
    QVERIFY(SimStation::waitForValue(594, 1.0f));
    QVERIFY(QTest::qWaitFor([this] { return progressDialog() != nullptr; }, 2000));
    QPointer<ProgressBarDialog> dialog = progressDialog();
    QVERIFY(dialog->text().startsWith(QStringLiteral("Копирование архивов:")));
    // The controller counts up to its maximum through 724 and 725.
    QVERIFY(SimStation::waitFor([&dialog] {
        return dialog && dialog->progressBar()->maximum() == 100 && dialog->progressBar()->value() > 0
               && dialog->progressBar()->value() < 100;
    }, 5000));
    QVERIFY(SimStation::waitFor([] { return !messages(MessageDialog::Information).isEmpty(); }, 15000));
    QCOMPARE(messages(MessageDialog::Information), QStringList({"Копирование архивов завершено!"}));
    // The panel hands 594 back to 0 and the dialog closes.
    QVERIFY(SimStation::waitFor([this] { return station_.sim()->value(594) == 0.0f; }, 5000));
    QVERIFY(SimStation::waitForValue(594, 0.0f));
    QVERIFY(QTest::qWaitFor([&dialog] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }, 2000));
    QVERIFY(messages(MessageDialog::Error).isEmpty());
    QCOMPARE(station_.params()->get(572), 1.0f);
}

void TestJournalStation::deleteRereadsTheJournal()
{
    QVERIFY(storeMatchesController());
    const quint32 oldLast = station_.sim()->lastEventSerial();
    openArchives();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QCOMPARE(current()->currentRow(), 2);

    // Level 1 is granted, and the password is asked all the same; refused, nothing happens.
    DialogGate::clearRecords();
    key(Qt::Key_Return);
    QCOMPARE(DialogGate::records().size(), 1);
    QCOMPARE(DialogGate::records().first().kind, DialogGate::Password);
    QVERIFY(!progressDialog());
    QVERIFY(station_.advance(200));
    QCOMPARE(station_.sim()->value(595), 0.0f);

    DialogGate::setNextAnswer(QStringLiteral("1111"));
    key(Qt::Key_Return);
    QPointer<ProgressBarDialog> dialog = progressDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->text().startsWith(QStringLiteral("Удаление архивов:")));
    QVERIFY(SimStation::waitForValue(595, 1.0f));
    QVERIFY(SimStation::waitFor([&dialog] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }, 15000));
    QVERIFY(messages(MessageDialog::Error).isEmpty());

    // The controller's journal after the delete, with two new events.
    station_.sim()->addEvent(1, 1, 0, 0);
    station_.sim()->addEvent(2, 3, 0, 0);
    QVERIFY(SimStation::waitFor([this, oldLast] {
        const auto events = station_.logEvent()->events();
        return storeMatchesController() && events.firstKey() > oldLast;
    }, 20000));
    // Let the resynchronisation finish: 975 slots, 10 a poll.
    QVERIFY(station_.advance(100 * SpiDriver::kPollMs));
    const auto events = station_.logEvent()->events();
    QVERIFY(events.size() >= 2);
    QVERIFY(events.size() < LogEvent::kMaxRecords);
    QVERIFY(events.firstKey() > oldLast);

    LogEventForm::setListingIntervals(0, 0, 0);
    window()->currentForm()->setCurrentRow(0);
    key(Qt::Key_Return);
    auto* journal = qobject_cast<LogEventForm*>(current());
    QVERIFY(journal);
    QVERIFY(runUntil([journal] { return journal->isListingComplete(); }, 5000));
    const QStringList shown = shownLines();
    QCOMPARE(shown, storeLines());
    QCOMPARE(shown.size(), events.size());
    QVERIFY(shown.at(0).contains(QStringLiteral("Стоп")));
    QVERIFY(shown.at(1).contains(QStringLiteral("Пуск")));
}

RVK_TEST_MAIN(TestJournalStation)
#include "tst_journalstation.moc"
