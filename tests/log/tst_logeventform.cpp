// The event journal screen over a store filled by the test: order, timing of the listing, keys, way back.
#include <QtTest>

#include <QElapsedTimer>

#include <cstring>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "log/log_event.h"
#include "log/log_event_form.h"
#include "log/logmenu.h"
#include "screens/mainmenu.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/eventitem.h"
#include "ui/mainwindow.h"

namespace {

QByteArray record(quint32 serial, quint32 time, quint8 code, quint16 id, float v1 = 0.0f, float v2 = 0.0f)
{
    QByteArray r(21, '\0');
    auto put32 = [&r](int pos, quint32 v) {
        for (int i = 0; i < 4; ++i)
            r[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    quint32 b1;
    quint32 b2;
    std::memcpy(&b1, &v1, 4);
    std::memcpy(&b2, &v2, 4);
    put32(0, serial);
    put32(4, time);
    r[8] = static_cast<char>(code);
    r[10] = static_cast<char>(id & 0xFF);
    r[11] = static_cast<char>(id >> 8);
    put32(12, b1);
    put32(16, b2);
    return r;
}

// Kinds of records in turn: starts, stops, a power-on identifier, setting changes.
QByteArray sample(quint32 serial)
{
    const quint32 time = 1780000000u + serial * 61u;
    switch (serial % 4) {
    case 0: return record(serial, time, 1, 1);
    case 1: return record(serial, time, 2, 3);
    case 2: return record(serial, time, 1, 25002);
    default: return record(serial, time, 13, 28, 10.0f, 20.0f);
    }
}

// Colour inside the row's border, as the window shows it.
QRgb rowColour(QWidget* row)
{
    QWidget* window = row->window();
    const QImage image = window->grab(QRect(row->mapTo(window, QPoint(0, 0)), row->size())).toImage();
    return image.pixel(image.width() - 4, image.height() / 2);
}

struct Line {
    QString dateTime;
    QString text;
};

Line decode(QByteArray r)
{
    Line line;
    LogEvent::getTextEvent(&r, line.text, line.dateTime);
    return line;
}

// When each row joined the list (ms since the watch began), as the list took it rather than as a test saw it.
class RowTimes : public QObject
{
public:
    explicit RowTimes(QWidget* list)
    {
        clock_.start();
        list->installEventFilter(this);
    }
    QVector<qint64> at;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded
            && qobject_cast<EventItem*>(static_cast<QChildEvent*>(event)->child()))
            at.append(clock_.elapsed());
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer clock_;
};

} // namespace

class TestLogEventForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsNewestFirstAtTheGivenPace();
    void upIsHeldOnTheFirstRowWhileListing();
    void emptyStoreIsCompleteAtOnce();
    void everyDecodableRecordIsListed();
    void listedOnceWhateverTheShowings();
    void copyDecidesWhatIsListed();
    void laterRecordsWaitForTheNextOpening();
    void escapeStopsTheListingAndReturnsToTheMenu();

private:
    LogEvent* store() const { return MainApplication::getInstance()->logEvent(); }
    void fill(quint32 first, int count);
    // Opens a new journal screen as the journal menu's button does.
    LogEventForm* open();
    static QList<Line> lines(const BaseForm* form);
    QList<Line> newestFirst() const;

    QScopedPointer<UiFixture> ui_;
};

void TestLogEventForm::initTestCase()
{
    MainApplication* app = MainApplication::getInstance();
    QVERIFY(app->initDatabase());
    app->initParameters();
    app->initLogEvent();
    QVERIFY(store());
}

void TestLogEventForm::init()
{
    LogEventForm::resetListingIntervals();
    ui_.reset(new UiFixture);
    store()->syncAllEvent();
    QVERIFY(store()->events().isEmpty());
}

void TestLogEventForm::cleanup()
{
    ui_.reset();
    LogEventForm::resetListingIntervals();
}

void TestLogEventForm::fill(quint32 first, int count)
{
    for (int i = 0; i < count; ++i)
        store()->slotNewEvent(sample(first + static_cast<quint32>(i)));
}

LogEventForm* TestLogEventForm::open()
{
    MainWindow* window = ui_->window();
    window->addForm(LogMenu::createNextForm(), 0, -1);
    return qobject_cast<LogEventForm*>(window->currentForm());
}

QList<Line> TestLogEventForm::lines(const BaseForm* form)
{
    QList<Line> list;
    for (int i = 0; i < form->rowCount(); ++i) {
        auto* item = qobject_cast<EventItem*>(form->rowAt(i));
        list.append(item ? Line{item->dateTime(), item->text()} : Line{});
    }
    return list;
}

QList<Line> TestLogEventForm::newestFirst() const
{
    QList<Line> list;
    const auto events = store()->events();
    for (auto it = events.constEnd(); it != events.constBegin();) {
        --it;
        list.append(decode(it.value()));
    }
    return list;
}

static bool sameLines(const QList<Line>& a, const QList<Line>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).dateTime != b.at(i).dateTime || a.at(i).text != b.at(i).text) {
            qWarning() << "row" << i << a.at(i).dateTime << a.at(i).text << "expected" << b.at(i).dateTime
                       << b.at(i).text;
            return false;
        }
    }
    return true;
}

void TestLogEventForm::listsNewestFirstAtTheGivenPace()
{
    fill(100, 12);
    const QList<Line> expected = newestFirst();
    LogEventForm* form = open();
    QVERIFY(form);
    QCOMPARE(form->objectName(), QStringLiteral("LogEventForm"));
    QCOMPARE(form->title(), QStringLiteral("ЖУРНАЛ СОБЫТИЙ"));
    QCOMPARE(form->rowCount(), 0);

    RowTimes times(form->widget());
    QVERIFY(QTest::qWaitFor([form] { return form->rowCount() >= 10; }, 5000));
    QCOMPARE(form->currentRow(), 0);
    QVERIFY(form->rowAt(0)->hasFocus());
    QVERIFY(!form->isListingComplete());
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 10000));
    QCOMPARE(form->rowsListed(), 12);
    const QVector<qint64> at = times.at;
    QCOMPARE(at.size(), 12);
    // A screenful at once: sooner than nine steps of 250 ms would bring it, however busy the machine. Then the
    // pause and a step.
    QVERIFY2(at[9] < 2000, qPrintable(QString::number(at[9])));
    QVERIFY2(at[10] - at[9] >= 900, qPrintable(QString::number(at[10] - at[9])));
    QVERIFY2(at[11] - at[10] >= 200, qPrintable(QString::number(at[11] - at[10])));

    const QList<Line> shown = lines(form);
    QVERIFY(sameLines(shown, expected));
    QCOMPARE(shown.first().dateTime, QDateTime::fromSecsSinceEpoch(1780000000 + 111 * 61, Qt::UTC)
                                         .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    // The newest stays selected; the focus never moved on its own.
    QCOMPARE(form->currentRow(), 0);
}

void TestLogEventForm::upIsHeldOnTheFirstRowWhileListing()
{
    // The listing stops after the first ten rows for as long as the test runs.
    LogEventForm::setListingIntervals(1, 600000, 600000);
    fill(1, 20);
    LogEventForm* form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->rowCount() == 10; }, 5000));
    QCOMPARE(form->currentRow(), 0);
    QTest::keyClick(form->rowAt(0), Qt::Key_Up);
    QCOMPARE(form->currentRow(), 0);
    QTest::keyClick(form->rowAt(0), Qt::Key_F6);
    QCOMPARE(form->currentRow(), 0);
    const QRgb selected = rowColour(form->rowAt(0));
    const QRgb normal = rowColour(form->rowAt(1));
    QVERIFY(selected != normal);
    QTest::keyClick(form->rowAt(0), Qt::Key_Down);
    QCOMPARE(form->currentRow(), 1);
    QVERIFY(form->rowAt(1)->hasFocus());
    // The selection is drawn on the current row only.
    QCOMPARE(rowColour(form->rowAt(1)), selected);
    QCOMPARE(rowColour(form->rowAt(0)), normal);
    QTest::keyClick(form->rowAt(1), Qt::Key_F8);
    QCOMPARE(form->currentRow(), 2);
    QTest::keyClick(form->rowAt(2), Qt::Key_Up);
    QCOMPARE(form->currentRow(), 1);
    QTest::keyClick(form->rowAt(1), Qt::Key_F6);
    QCOMPARE(form->currentRow(), 0);
    QTest::keyClick(form->rowAt(0), Qt::Key_Up);
    QCOMPARE(form->currentRow(), 0);
    QVERIFY(!form->isListingComplete());

    // Once every row is there, Up on the first row wraps to the oldest as on every screen.
    LogEventForm::setListingIntervals(0, 0, 0);
    store()->syncAllEvent();
    fill(1, 3);
    form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 5000));
    QCOMPARE(form->rowCount(), 3);
    QCOMPARE(form->currentRow(), 0);
    QTest::keyClick(form->rowAt(0), Qt::Key_Up);
    QCOMPARE(form->currentRow(), 2);
    QTest::keyClick(form->rowAt(2), Qt::Key_Down);
    QCOMPARE(form->currentRow(), 0);
}

void TestLogEventForm::emptyStoreIsCompleteAtOnce()
{
    LogEventForm* form = open();
    QVERIFY(form);
    QVERIFY(form->isListingComplete());
    ui_->settle(30);
    QCOMPARE(form->rowCount(), 0);
    QCOMPARE(form->rowsListed(), 0);
    QTest::keyClick(form, Qt::Key_Up);
    QTest::keyClick(form, Qt::Key_F6);
    QTest::keyClick(form, Qt::Key_Down);
    QCOMPARE(form->currentRow(), -1);
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("LogEventForm"));
}

void TestLogEventForm::everyDecodableRecordIsListed()
{
    LogEventForm::setListingIntervals(0, 0, 0);
    // Id 0 is a valid record (a start for reason 0, a setting change of parameter 0); the decoder returns its id.
    store()->slotNewEvent(record(10, 1780000000, 1, 0));
    store()->slotNewEvent(record(11, 1780000060, 13, 0, 1.0f, 2.0f));
    store()->slotNewEvent(record(12, 1780000120, 2, 3));
    QCOMPARE(store()->events().size(), 3);
    LogEventForm* form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 5000));
    QCOMPARE(form->rowsListed(), 3);
    QCOMPARE(form->rowCount(), 3);
    const QList<Line> shown = lines(form);
    QVERIFY(sameLines(shown, newestFirst()));
    QVERIFY(shown.at(2).text.startsWith(QStringLiteral("Пуск")));
    QCOMPARE(shown.at(2).dateTime, QStringLiteral("2026-05-28 20:26:40"));
}

void TestLogEventForm::listedOnceWhateverTheShowings()
{
    LogEventForm::setListingIntervals(0, 0, 0);
    fill(1, 5);
    LogEventForm* form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 5000));
    QCOMPARE(form->rowCount(), 5);
    form->hide();
    form->show();
    ui_->settle(30);
    QCOMPARE(form->rowCount(), 5);
    QCOMPARE(form->rowsListed(), 5);

    // Shown again half-way through: the listing goes on where it was.
    store()->syncAllEvent();
    fill(1, 15);
    LogEventForm::setListingIntervals(1, 100, 1);
    form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->rowCount() >= 10; }, 5000));
    form->hide();
    form->show();
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 3000));
    QCOMPARE(form->rowCount(), 15);
    QVERIFY(sameLines(lines(form), newestFirst()));
}

void TestLogEventForm::copyDecidesWhatIsListed()
{
    LogEventForm::setListingIntervals(0, 0, 0);
    fill(1, 4);
    const QList<Line> expected = newestFirst();
    const QList<BaseForm*> forms = LogMenu::createNextForm().instances();
    // The store is emptied for a resynchronisation before the screen is shown.
    store()->syncAllEvent();
    ui_->window()->addForm(forms, 0, -1);
    auto* form = qobject_cast<LogEventForm*>(ui_->window()->currentForm());
    QVERIFY(form);
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 5000));
    QVERIFY(sameLines(lines(form), expected));
}

void TestLogEventForm::laterRecordsWaitForTheNextOpening()
{
    LogEventForm::setListingIntervals(0, 0, 0);
    fill(1, 3);
    LogEventForm* form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 5000));
    store()->slotNewEvent(sample(50));
    ui_->settle(30);
    QCOMPARE(form->rowCount(), 3);

    form = open();
    QVERIFY(QTest::qWaitFor([form] { return form->isListingComplete(); }, 5000));
    QCOMPARE(form->rowCount(), 4);
    QCOMPARE(lines(form).first().dateTime, decode(sample(50)).dateTime);
}

void TestLogEventForm::escapeStopsTheListingAndReturnsToTheMenu()
{
    LogEventForm::setListingIntervals(1, 300, 300);
    fill(1, 30);
    QPointer<LogEventForm> form = open();
    QVERIFY(QTest::qWaitFor([&form] { return form->rowCount() >= 10; }, 5000));
    const int listed = form->rowCount();
    QTest::keyClick(form->rowAt(0), Qt::Key_Escape);
    QCOMPARE(UiInspect::formClasses(ui_->window()),
             QStringList({"CurrentParamsMenu", "LogMenu", "EquipmentMenu", "ProtectionsMenu", "TechnologParamsMenu",
                          "NotebookMenu", "OptionsMenu"}));
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("LogMenu"));
    // The menu's first button, the one that opened the journal, is current.
    QCOMPARE(UiInspect::focusedRow(ui_->window()), 0);
    QVERIFY(form);
    QCOMPARE(form->rowCount(), listed);
    // No row follows for as long as the screen lives: a listing timer left running would fire before this one,
    // however busy the machine.
    QObject marker;
    bool passed = false;
    QTimer::singleShot(400, Qt::PreciseTimer, &marker, [&passed] { passed = true; });
    QElapsedTimer clock;
    clock.start();
    while (!passed && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (form)
            QCOMPARE(form->rowCount(), listed);
    }
    QVERIFY(passed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form);

    // F3 is the other way back.
    form = open();
    QTest::keyClick(form, Qt::Key_F3);
    QCOMPARE(UiInspect::currentClass(ui_->window()), QStringLiteral("LogMenu"));
}

RVK_TEST_MAIN(TestLogEventForm)
#include "tst_logeventform.moc"
