#include "support/uitestsupport.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/teststation.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/uiclock.h"
#include "texts/common.h"

UiFixture::UiFixture(int refreshMs)
{
    MainApplication* app = MainApplication::getInstance();
    if (app && !app->params())
        app->initParameters();
    if (app) {
        params_ = app->params();
    } else {
        ownParams_.reset(new Parameters);
        params_ = ownParams_.data();
    }
    UiClock::reset();
    UiClock::setRefreshDelay(refreshMs, 0);
    DialogGate::clearAnswers();
    DialogGate::clearRecords();
    DialogGate::setRejectUnanswered(true);
    window_ = new MainWindow;
    station_.reset(new TestStation(params_, window_, app ? app->logEvent() : nullptr));
    // The application's own dialogs (wait dialog, archive copy) open over it too.
    if (app)
        app->setMainWindow(window_);
    window_->show();
    // Focus events need an active window.
    QApplication::setActiveWindow(window_);
    if (!QTest::qWaitForWindowActive(window_, 1000))
        qWarning() << "UiFixture: the main window did not become active";
}

UiFixture::~UiFixture()
{
    MainApplication* app = MainApplication::getInstance();
    if (app && app->mainWindow() == window_)
        app->setMainWindow(nullptr);
    delete window_;
    station_.reset();
    // Screens retired during the test are deleted later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DialogGate::clearAnswers();
    DialogGate::setRejectUnanswered(false);
    UiClock::reset();
}

Parameters* UiFixture::params() const
{
    return params_;
}

ParameterDef& UiFixture::addParameter(quint16 id, float value, float min, float max, quint8 access, quint8 operation)
{
    ParameterDef def;
    def.id = id;
    def.access = access;
    def.operation = operation;
    def.physic = 0;
    def.min = min;
    def.max = max;
    def.valid = true;
    def.value.f = value;
    params()->addParameter(def);
    return *params()->getParameter(id);
}

void UiFixture::report(quint16 id, float value)
{
    params()->slotParamUpdated(id, Common::floatBits(value), 0);
}

void UiFixture::reportRaw(quint16 id, quint32 raw)
{
    params()->slotParamUpdated(id, raw, 0);
}

void UiFixture::report(const QString& values)
{
    for (const QString& pair : values.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        report(static_cast<quint16>(pair.section(QLatin1Char('='), 0, 0).toUInt()),
               pair.section(QLatin1Char('='), 1).toFloat());
}

void UiFixture::key(MainWindow* window, int key)
{
    QWidget* target = window->focusWidget();
    if (!target || !window->isAncestorOf(target))
        target = window->currentForm();
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void UiFixture::settle(int ms)
{
    // Qt fires due timers in the order they fall due (a coarse one up to 5 % late), so once this one has
    // fired every timer started before it with at most `ms` has fired too, however busy the machine.
    QObject marker;
    bool fired = false;
    QTimer::singleShot(ms + ms / 20 + 1, Qt::PreciseTimer, &marker, [&fired] { fired = true; });
    if (!QTest::qWaitFor([&fired] { return fired; }, ms + 10000))
        QTest::qFail("UiFixture::settle: the event loop did not come round", __FILE__, __LINE__);
    // What those timers posted.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BaseForm* UiFixture::showPage(const Pages& pages, const QString& screen)
{
    window_->addForm(pages, screen);
    // Replaced screens are deleted later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return UiInspect::currentClass(window_) == screen ? window_->currentForm() : nullptr;
}

QList<DialogGate::Record> UiFixture::messages()
{
    QList<DialogGate::Record> list;
    for (const DialogGate::Record& r : DialogGate::records()) {
        if (r.kind == DialogGate::Message)
            list.append(r);
    }
    return list;
}

int UiFixture::dialogCount(DialogGate::Kind kind, const QString& text)
{
    int count = 0;
    for (const DialogGate::Record& r : DialogGate::records()) {
        if (r.kind == kind && (text.isNull() || r.text == text))
            ++count;
    }
    return count;
}

int UiFixture::openMessages(const QString& text)
{
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<MessageDialog*>(w);
        open += dialog && dialog->isVisible() && dialog->text() == text ? 1 : 0;
    }
    return open;
}

void UiFixture::closeMessages()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<MessageDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList UiFixture::rowLines(const BaseForm* form, bool withValue)
{
    QStringList lines;
    for (const RowInfo& row : UiInspect::rows(form)) {
        QString line = QStringLiteral("%1 %2 %3").arg(row.kind).arg(row.id).arg(row.label);
        if (withValue)
            line += QLatin1Char(' ') + row.value;
        lines << line;
    }
    return lines;
}

QStringList FakeController::writesOf(quint16 id) const
{
    QStringList list;
    for (const Write& w : writes_) {
        if (w.id == id)
            list << QStringLiteral("%1/%2").arg(w.value()).arg(w.eventType);
    }
    return list;
}

float FakeController::Write::value() const
{
    return Common::bitsFloat(raw);
}

FakeController::FakeController()
{
    // The mirror of the screens' station (a UiFixture's, or the application's).
    Parameters* params = BaseForm::params();
    connection_ = QObject::connect(params, &Parameters::signalParamWrite, params,
                                   [this, params](quint16 id, quint32 raw, int eventType) {
                                       writes_.append(Write{id, raw, eventType});
                                       if (!accept_)
                                           return;
                                       // The controller reports an applied value a little later.
                                       QTimer::singleShot(1, params, [params, id, raw] {
                                           params->slotParamUpdated(id, raw, 0);
                                       });
                                   });
}

FakeController::~FakeController()
{
    QObject::disconnect(connection_);
}
