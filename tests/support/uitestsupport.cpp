#include "support/uitestsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <cstring>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "ui/basecombobox.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/basestatustextwidget.h"
#include "ui/basestatuswidget.h"
#include "ui/basestringeditwidget.h"
#include "ui/eventitem.h"
#include "ui/mainwindow.h"
#include "ui/pushbutton.h"
#include "ui/statuspushbutton.h"
#include "ui/uiclock.h"
#include "texts/common.h"

namespace {

void fillChoices(RowInfo* info, const PairList& list)
{
    for (int i = 0; i < list.size(); ++i) {
        info->keys.append(list.key(i));
        info->texts.append(list.value(i));
    }
}

} // namespace

RowInfo UiInspect::row(const BaseForm* form, int index)
{
    RowInfo info;
    QWidget* w = form ? form->rowAt(index) : nullptr;
    if (!w)
        return info;
    info.childButton = form->childButtonPosition(index) >= 0;
    if (auto* r = qobject_cast<BaseEditWidget*>(w)) {
        info.kind = QStringLiteral("edit");
        info.id = r->id();
        info.label = r->name();
        info.editable = true;
    } else if (auto* r = qobject_cast<BaseStatusWidget*>(w)) {
        info.kind = r->isBitEnabled() ? QStringLiteral("bits") : QStringLiteral("status");
        info.id = r->id();
        info.label = r->name();
    } else if (auto* r = qobject_cast<BaseStatusTextWidget*>(w)) {
        info.kind = QStringLiteral("statusText");
        info.id = r->id();
        info.label = r->name();
        fillChoices(&info, r->texts());
    } else if (auto* r = qobject_cast<BaseComboBox*>(w)) {
        info.kind = QStringLiteral("combo");
        info.id = r->id();
        info.label = r->name();
        info.editable = true;
        fillChoices(&info, r->valuesList());
    } else if (auto* r = qobject_cast<BaseComboBox2*>(w)) {
        info.kind = QStringLiteral("combo2");
        info.label = r->name();
        info.editable = true;
        fillChoices(&info, r->valuesList());
    } else if (auto* r = qobject_cast<BaseStringEditWidget*>(w)) {
        info.kind = QStringLiteral("string");
        info.id = r->id();
        info.label = r->name();
        info.editable = true;
    } else if (auto* r = qobject_cast<StatusPushButton*>(w)) {
        info.kind = QStringLiteral("statusButton");
        info.id = r->id();
        info.label = r->text();
        info.editable = true;
    } else if (auto* r = qobject_cast<PushButton*>(w)) {
        info.kind = QStringLiteral("button");
        info.label = r->text();
        info.editable = true;
    } else if (auto* r = qobject_cast<EventItem*>(w)) {
        info.kind = QStringLiteral("event");
        info.label = r->text();
    } else {
        info.kind = QStringLiteral("widget");
    }
    return info;
}

QList<RowInfo> UiInspect::rows(const BaseForm* form)
{
    QList<RowInfo> list;
    for (int i = 0; form && i < form->rowCount(); ++i)
        list.append(row(form, i));
    return list;
}

QStringList UiInspect::formClasses(const MainWindow* window)
{
    QStringList names;
    if (!window)
        return names;
    for (BaseForm* form : window->forms())
        names.append(form ? QString::fromLatin1(form->metaObject()->className()) : QString());
    return names;
}

int UiInspect::currentIndex(const MainWindow* window)
{
    return window ? window->currentIndex() : -1;
}

int UiInspect::focusedRow(const MainWindow* window)
{
    const BaseForm* form = window ? window->currentForm() : nullptr;
    return form ? form->currentRow() : -1;
}

QString UiInspect::currentClass(const MainWindow* window)
{
    const BaseForm* form = window ? window->currentForm() : nullptr;
    return form ? QString::fromLatin1(form->metaObject()->className()) : QString();
}

UiFixture::UiFixture(int refreshMs)
{
    MainApplication* app = MainApplication::getInstance();
    Q_ASSERT(app);
    if (!app->params())
        app->initParameters();
    UiClock::reset();
    UiClock::setRefreshDelay(refreshMs, 0);
    DialogGate::clearAnswers();
    DialogGate::clearRecords();
    DialogGate::setRejectUnanswered(true);
    window_ = new MainWindow;
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
    // Screens retired during the test are deleted later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DialogGate::clearAnswers();
    DialogGate::setRejectUnanswered(false);
    UiClock::reset();
}

Parameters* UiFixture::params() const
{
    return MainApplication::getInstance()->params();
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

void UiFixture::settle(int ms)
{
    QTest::qWait(ms);
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

float FakeController::Write::value() const
{
    return Common::bitsFloat(raw);
}

FakeController::FakeController()
{
    Parameters* params = MainApplication::getInstance()->params();
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
