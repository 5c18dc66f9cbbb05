#include "log/log_event_form.h"

#include <QKeyEvent>
#include <QtDebug>

#include "log/log_event.h"
#include "log/logmenu.h"
#include "screens/mainmenu.h"
#include "ui/eventitem.h"

namespace {

constexpr int kFirstMs = 1;
constexpr int kPauseMs = 1000;
constexpr int kStepMs = 250;
// The first rows fill a screen at once; the rest follow slowly so the link keeps its share of the loop.
constexpr int kQuickRows = 10;

int firstMs = kFirstMs;
int pauseMs = kPauseMs;
int stepMs = kStepMs;

} // namespace

LogEventForm::LogEventForm(QWidget* parent)
    : BaseForm(parent, false), timer_(this)
{
    if (const LogEvent* store = logEvent())
        events_ = store->events();
    cursor_ = events_.constEnd();
    setObjectName(QStringLiteral("LogEventForm"));
    setTitle(tr("Журнал событий"));
    // Rows are only ever added below: growing the list need not repaint the rows already on the screen.
    widget()->setAttribute(Qt::WA_StaticContents);
}

void LogEventForm::setListingIntervals(int firstMsValue, int pauseMsValue, int stepMsValue)
{
    firstMs = qMax(0, firstMsValue);
    pauseMs = qMax(0, pauseMsValue);
    stepMs = qMax(0, stepMsValue);
}

void LogEventForm::resetListingIntervals()
{
    firstMs = kFirstMs;
    pauseMs = kPauseMs;
    stepMs = kStepMs;
}

void LogEventForm::createForm()
{
    timer_.setSingleShot(true);
    timer_.setInterval(firstMs);
    connect(&timer_, &QTimer::timeout, this, &LogEventForm::addEvents);
}

void LogEventForm::showEvent(QShowEvent* event)
{
    BaseForm::showEvent(event);
    setFocus();
    // Listed once: a later showing keeps the rows it has and the listing where it is.
    if (started_)
        return;
    started_ = true;
    if (events_.isEmpty()) {
        complete_ = true;
        return;
    }
    cursor_ = events_.constEnd();
    timer_.start();
}

void LogEventForm::addEvents()
{
    if (cursor_ == events_.constBegin()) {
        complete_ = true;
        return;
    }
    --cursor_;
    QByteArray record = cursor_.value();
    addEventItem(&record);
    if (currentRow() < 0 && rowCount() > 0)
        setCurrentRow(0);
    if (rowsListed_ == kQuickRows)
        timer_.setInterval(pauseMs);
    else if (rowsListed_ == kQuickRows + 1)
        timer_.setInterval(stepMs);
    timer_.start();
}

void LogEventForm::addEventItem(QByteArray* eventLog)
{
    ++rowsListed_;
    QString text;
    QString dateTime;
    // The decoder returns the record's id, which may be 0 for a valid record: a dated line is the test.
    LogEvent::getTextEvent(eventLog, text, dateTime);
    if (dateTime.isEmpty()) {
        qWarning() << "LogEventForm: record" << LogEvent::serialOf(*eventLog) << "gives no journal line";
        return;
    }
    addWidget(new EventItem(dateTime, text));
}

void LogEventForm::keyPressEvent(QKeyEvent* event)
{
    // While rows are still being added the last row is not the oldest yet: no wrap from the first row.
    const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_F6;
    if (!complete_ && up && currentRow() <= 0) {
        event->accept();
        return;
    }
    BaseForm::keyPressEvent(event);
}

void LogEventForm::returnBackForm()
{
    timer_.stop();
    showMenuPage<MainMenu, LogMenu>();
}
