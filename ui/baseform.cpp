#include "ui/baseform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QTimer>
#include <QtDebug>

#include "app/parameters.h"
#include "texts/common.h"
#include "ui/basecombobox.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/basestatustextwidget.h"
#include "ui/basestatuswidget.h"
#include "ui/basestringeditwidget.h"
#include "ui/dialoggate.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/pushbutton.h"
#include "ui/rowlistlayout.h"
#include "ui/station.h"
#include "ui/statuspushbutton.h"
#include "ui/uiclock.h"

namespace {
// Rows that make a page: the list shows about twelve 30-pixel rows; a page is never shorter than the list.
constexpr int kPageRows = 14;
// Rows placed in one pass after the first paint: a key waits for no more than these.
constexpr int kPlacedPerPass = 8;

// Hidden by the screen itself, not merely not shown yet.
bool hiddenByScreen(const QWidget* w)
{
    return w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// Every new widget posts itself a request to be polished (itself and what it holds), which the event loop would serve
// before the screen is drawn: what waits aside is polished when it is placed and shown.
void dropPolishRequests(QWidget* w)
{
    QCoreApplication::removePostedEvents(w, QEvent::PolishRequest);
    for (QWidget* child : w->findChildren<QWidget*>())
        QCoreApplication::removePostedEvents(child, QEvent::PolishRequest);
}
} // namespace

BaseForm::BaseForm(QWidget* parent, bool grid)
    : QScrollArea(parent), grid_(grid), container_(new QWidget(this))
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    container_->setObjectName(QStringLiteral("formContainer_"));
    if (grid_) {
        gridLayout_ = new QGridLayout(container_);
        gridLayout_->setAlignment(Qt::AlignTop);
        gridLayout_->setContentsMargins(4, 4, 4, 4);
        gridLayout_->setSpacing(2);
    } else {
        boxLayout_ = new RowListLayout(container_);
        boxLayout_->setAlignment(Qt::AlignTop);
        boxLayout_->setContentsMargins(4, 4, 4, 4);
        boxLayout_->setSpacing(2);
    }
    setWidget(container_);
    container_->installEventFilter(this);
    textInfo_ = tr("Для перемещения используйте стрелки");
}

BaseForm::~BaseForm()
{
    dropUnshownForms({});
    delete aside_;
}

MainWindow* BaseForm::mainWindow()
{
    Station* station = Station::instance();
    return station ? station->mainWindow() : nullptr;
}

Parameters* BaseForm::params()
{
    return BaseParamWidget::params();
}

LogEvent* BaseForm::logEvent()
{
    Station* station = Station::instance();
    return station ? station->logEvent() : nullptr;
}

float BaseForm::value(quint16 id)
{
    Parameters* p = params();
    return p ? p->get(id) : 0.0f;
}

quint16 BaseForm::selector(quint16 id)
{
    return static_cast<quint16>(Common::toCode(value(id)) & 0xFFFF);
}

bool BaseForm::isDidezorGroupCompany()
{
    const Station* station = Station::instance();
    return station && station->isDidezorGroupCompany();
}

std::function<quint32(quint16)> BaseForm::cellReader()
{
    const Parameters* p = params();
    return p ? p->cellReader() : Common::CellReader();
}

bool BaseForm::isAccess(int id, int mode, const QString& prompt)
{
    Station* station = Station::instance();
    // The password dialog runs an event loop: a screen replaced meanwhile writes nothing.
    return station && station->isAccess(this, id, mode, prompt) && !detached_;
}

QString BaseForm::unitText(quint16 id)
{
    const Parameters* p = params();
    const ParameterDef* def = p ? p->getParameter(id) : nullptr;
    return def ? p->getTextUnit(def) : QString();
}

bool BaseForm::sendCommand(quint16 id, float value, bool guarded, const QString& question)
{
    if (guarded && !isAccess(id, 0))
        return false;
    if (!question.isEmpty() && (new MessageDialog(question, MessageDialog::Question, mainWindow()))->exec() != 1)
        return false;
    // An answer to a screen that was replaced while the question was open writes nothing.
    Parameters* p = params();
    if (!p || detached_)
        return false;
    p->set(id, value, 1);
    return true;
}

void BaseForm::showForms(const Pages& forms, const QMetaObject& current)
{
    MainWindow* window = mainWindow();
    if (!window) {
        qWarning() << "BaseForm: no main window to show" << current.className();
        for (int i = 0; i < forms.size(); ++i)
            delete forms.built(i);
        return;
    }
    window->addForm(forms, QString::fromLatin1(current.className()));
}

void BaseForm::createForm(int focus)
{
    if (!created_) {
        created_ = true;
        building_ = true;
        createForm();
        building_ = false;
        // The first row and a page below it.
        placeRows(pageEnd(1));
    }
    if (rows_.isEmpty())
        return;
    if (focus >= 0 && focus < childButtons_.size())
        setCurrentRow(rows_.indexOf(childButtons_.at(focus)));
    else
        setCurrentRow(0);
}

void BaseForm::setTitle(const QString& title)
{
    title_ = title.toUpper();
    emit signalTitleChanged();
}

void BaseForm::setTextInfo(const QString& text)
{
    textInfo_ = text;
    emit signalTextInfoChanged();
}

void BaseForm::setHeaderState(int state)
{
    if (state == headerState_)
        return;
    headerState_ = state;
    emit signalHeaderStateChanged();
}

void BaseForm::setFormsList(const Pages& forms)
{
    if (forms == forms_)
        return;
    dropUnshownForms(forms);
    forms_ = forms;
}

void BaseForm::dropUnshownForms(const Pages& keep)
{
    // A screen made for a button that opened nothing would otherwise never be freed.
    for (int i = 0; i < forms_.size(); ++i) {
        BaseForm* form = forms_.built(i);
        if (form && !form->heldByWindow_ && !keep.contains(form))
            form->deleteLater();
    }
}

void BaseForm::setFormsList()
{
}

void BaseForm::functionKey()
{
}

QLayout* BaseForm::rowLayout() const
{
    return grid_ ? static_cast<QLayout*>(gridLayout_) : static_cast<QLayout*>(boxLayout_);
}

QWidget* BaseForm::rowParent()
{
    if (!building_ && !hasUnplacedRows())
        return container_;
    if (!aside_) {
        aside_ = new QWidget;
        dropPolishRequests(aside_);
    }
    return aside_;
}

void BaseForm::appendRow(QWidget* w)
{
    rows_.append(w);
    if (w->focusPolicy() == Qt::NoFocus)
        w->setFocusPolicy(Qt::StrongFocus);
    if (w->parentWidget() == container_) {
        placeRows(rows_.size());
        return;
    }
    dropPolishRequests(w);
    if (!building_)
        placeMoreRows();
}

void BaseForm::addWidget(QWidget* w)
{
    if (!w)
        return;
    w->setParent(rowParent());
    appendRow(w);
}

int BaseForm::pageEnd(int from) const
{
    int end = qMax(0, from);
    for (int shown = 0; end < rows_.size() && shown < kPageRows; ++end) {
        if (!hiddenByScreen(rows_.at(end)))
            ++shown;
    }
    return end;
}

void BaseForm::placeRows(int end)
{
    end = qMin(end, rows_.size());
    if (placed_ >= end)
        return;
    const bool onShow = container_->isVisible();
    for (; placed_ < end; ++placed_) {
        QWidget* w = rows_.at(placed_);
        const bool aside = w->parentWidget() != container_;
        const bool hidden = hiddenByScreen(w);
        if (aside)
            w->setParent(container_);
        if (grid_)
            gridLayout_->addWidget(w, placed_, 0);
        else
            boxLayout_->addWidget(w);
        // On a screen on show a row from aside shows now, as one built with the screen did.
        if (aside && onShow && !hidden)
            w->show();
    }
    if (!hasUnplacedRows()) {
        delete aside_;
        aside_ = nullptr;
    }
}

void BaseForm::placeMoreRows()
{
    if (placingPosted_ || !hasUnplacedRows() || detached_)
        return;
    placingPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            placingPosted_ = false;
            if (detached_)
                return;
            placeRows(placed_ + kPlacedPerPass);
            placeMoreRows();
        },
        Qt::QueuedConnection);
}

void BaseForm::placeAllRows()
{
    placeRows(rows_.size());
}

bool BaseForm::eventFilter(QObject* watched, QEvent* event)
{
    // The first page is on the screen: the rest of the rows follow.
    if (watched == container_ && event->type() == QEvent::Paint)
        placeMoreRows();
    return QScrollArea::eventFilter(watched, event);
}

PushButton* BaseForm::addButton(const QString& text, const QPixmap& icon)
{
    auto* button = new PushButton(rows_.size(), text, icon, rowParent());
    appendRow(button);
    childButtons_.append(button);
    connect(button, &PushButton::clicked, this, &BaseForm::showNextForm);
    return button;
}

PushButton* BaseForm::addButton(const QString& text, const char* slot, const QPixmap& icon)
{
    auto* button = new PushButton(rows_.size(), text, icon, rowParent());
    appendRow(button);
    if (slot && !connect(button, SIGNAL(clicked(int)), this, slot))
        qWarning() << "BaseForm: cannot connect the button" << text << "to" << slot;
    return button;
}

StatusPushButton* BaseForm::addStatusButton(unsigned short id, const QString& text, const PairList& icons)
{
    auto* button = new StatusPushButton(rows_.size(), id, text, icons, params(), rowParent());
    appendRow(button);
    childButtons_.append(button);
    connect(button, &PushButton::clicked, this, &BaseForm::showNextForm);
    return button;
}

BaseEditWidget* BaseForm::addEdit(unsigned short id)
{
    return addEdit(BaseParamWidget::textFromId(id), id);
}

BaseEditWidget* BaseForm::addEdit(const QString& name, unsigned short id)
{
    auto* row = new BaseEditWidget(id, name, rowParent());
    appendRow(row);
    return row;
}

BaseComboBox* BaseForm::addComboBox(unsigned short id, const PairList& choices)
{
    return addComboBox(BaseParamWidget::textFromId(id), id, choices);
}

BaseComboBox* BaseForm::addComboBox(const QString& name, unsigned short id, const PairList& choices)
{
    auto* row = new BaseComboBox(id, name, choices, rowParent());
    appendRow(row);
    return row;
}

BaseComboBox2* BaseForm::addComboBox(const QString& name, const PairList& choices, int value)
{
    auto* row = new BaseComboBox2(name, choices, value, rowParent());
    appendRow(row);
    connect(row, &BaseParamWidget::signalEditingEnd, this, &BaseForm::autoMoveNextParam);
    return row;
}

BaseStatusWidget* BaseForm::addStatusNum(unsigned short id, bool bits)
{
    return addStatusNum(BaseParamWidget::textFromId(id), id, bits);
}

BaseStatusWidget* BaseForm::addStatusNum(const QString& name, unsigned short id, bool bits)
{
    auto* row = new BaseStatusWidget(id, name, rowParent());
    if (bits)
        row->setBitEnabled();
    appendRow(row);
    return row;
}

BaseStatusTextWidget* BaseForm::addStatusText(unsigned short id, const PairList& texts)
{
    auto* row = new BaseStatusTextWidget(id, BaseParamWidget::textFromId(id), texts, rowParent());
    appendRow(row);
    return row;
}

BaseStringEditWidget* BaseForm::addStringEdit(unsigned short firstId, unsigned short secondId)
{
    auto* row = new BaseStringEditWidget(firstId, secondId, BaseParamWidget::textFromId(firstId), rowParent());
    appendRow(row);
    return row;
}

QWidget* BaseForm::rowAt(int row) const
{
    return (row >= 0 && row < rows_.size()) ? rows_.at(row) : nullptr;
}

int BaseForm::childButtonPosition(int row) const
{
    QWidget* w = rowAt(row);
    return w ? childButtons_.indexOf(w) : -1;
}

void BaseForm::markCurrent(int row, bool current)
{
    QWidget* w = rowAt(row);
    if (!w)
        return;
    if (auto* p = qobject_cast<BaseParamWidget*>(w))
        p->setSelected(current);
    else if (auto* b = qobject_cast<PushButton*>(w))
        b->setSelected(current);
}

void BaseForm::setCurrentRow(int row)
{
    if (rows_.isEmpty()) {
        currentRow_ = -1;
        return;
    }
    row = qBound(0, row, rows_.size() - 1);
    // The rows down to a page below the cursor are in the list, laid out when the screen is on show, so that the
    // cursor's row can be brought to view.
    if (const int end = pageEnd(row + 1); end > placed_) {
        placeRows(end);
        if (container_->isVisible()) {
            rowLayout()->activate();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
    }
    if (row != currentRow_)
        markCurrent(currentRow_, false);
    currentRow_ = row;
    markCurrent(row, true);
    QWidget* w = rows_.at(row);
    w->setFocus(Qt::OtherFocusReason);
    ensureWidgetVisible(w, 0, 0);
}

void BaseForm::autoMoveNextParam()
{
    if (rows_.isEmpty())
        return;
    setCurrentRow((currentRow_ + 1) % rows_.size());
}

void BaseForm::showNextForm(int row)
{
    setFormsList();
    const int position = childButtonPosition(row);
    if (position < 0 || position >= forms_.size() || forms_.hasLost())
        return;
    MainWindow* window = mainWindow();
    if (!window) {
        qWarning() << "BaseForm: no main window to show the next screen";
        return;
    }
    window->addForm(forms_, position, -1);
}

void BaseForm::detach()
{
    if (detached_)
        return;
    detached_ = true;
    // The screen's objects and those of the rows not placed yet.
    QList<QObject*> objects = findChildren<QObject*>();
    if (aside_)
        objects += aside_->findChildren<QObject*>();
    Parameters* p = params();
    if (p)
        disconnect(p, nullptr, this, nullptr);
    for (QObject* object : qAsConst(objects)) {
        if (p)
            disconnect(p, nullptr, object, nullptr);
        if (auto* row = qobject_cast<BaseParamWidget*>(object))
            row->detach();
        else if (auto* timer = qobject_cast<QTimer*>(object))
            timer->stop();
    }
    setEnabled(false);
}

void BaseForm::enterRow(int row)
{
    QWidget* w = rowAt(row);
    if (auto* p = qobject_cast<BaseParamWidget*>(w))
        p->enter();
    else if (auto* b = qobject_cast<PushButton*>(w))
        b->press();
}

void BaseForm::keyPressEvent(QKeyEvent* event)
{
    if (detached_) {
        event->accept();
        return;
    }
    const int count = rows_.size();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_F6:
        if (count > 0)
            setCurrentRow(currentRow_ <= 0 ? count - 1 : currentRow_ - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_F8:
        if (count > 0)
            setCurrentRow(currentRow_ < 0 || currentRow_ >= count - 1 ? 0 : currentRow_ + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        enterRow(currentRow_);
        break;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        returnBackForm();
        break;
    case Qt::Key_Left:
    case Qt::Key_F5:
        if (MainWindow* window = mainWindow())
            window->showPage(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_F7:
        if (MainWindow* window = mainWindow())
            window->showPage(1);
        break;
    case Qt::Key_F11:
        functionKey();
        break;
    default:
        QScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BaseForm::rebuildOnUpdate(const QVector<quint16>& ids, PageList siblings)
{
    rebuildIds_ = ids;
    rebuildSiblings_ = siblings;
    Parameters* p = params();
    if (!p || ids.isEmpty())
        return;
    connect(p, &Parameters::signalParamUpdated, this, [this](quint16 id, quint8 cmd) {
        // Limits and unit codes do not change which rows a screen has.
        if (cmd == 7 || cmd == 8 || cmd == 15)
            return;
        if (rebuildIds_.contains(id))
            requestRebuild();
    });
}

void BaseForm::requestRebuild()
{
    if (detached_ || !rebuildSiblings_)
        return;
    MainWindow* window = mainWindow();
    if (!window || window->currentForm() != this) {
        // An update while a sibling is on show never takes the operator away from it.
        stale_ = true;
        return;
    }
    if (rebuildPending_)
        return;
    rebuildPending_ = true;
    QTimer::singleShot(UiClock::rebuildDelayMs(), this, &BaseForm::runPendingRebuild);
}

void BaseForm::runPendingRebuild()
{
    if (detached_)
        return;
    // Not under an open dialog: it may belong to one of the rows, whose code runs on once it closes.
    if (DialogGate::isOpen()) {
        rebuildHeld_ = true;
        DialogGate::whenClosed(this, [this] { runPendingRebuild(); });
        return;
    }
    rebuildPending_ = false;
    rebuildHeld_ = false;
    MainWindow* w = mainWindow();
    if (w && w->currentForm() == this)
        rebuild(true);
    else
        stale_ = true;
}

void BaseForm::onValueChange(const QVector<quint16>& ids, std::function<void(quint16)> slot)
{
    Parameters* p = params();
    if (!p || ids.isEmpty() || !slot)
        return;
    QHash<quint16, quint32> seen;
    for (quint16 id : ids)
        seen.insert(id, p->getU32(id));
    connect(p, &Parameters::signalParamUpdated, this, [p, seen, slot](quint16 id, quint8 cmd) mutable {
        if (cmd == 7 || cmd == 8 || cmd == 15 || !seen.contains(id))
            return;
        const quint32 raw = p->getU32(id);
        if (seen.value(id) == raw)
            return;
        seen.insert(id, raw);
        slot(id);
    });
}

void BaseForm::rebuildStale()
{
    if (stale_ && !detached_ && rebuildSiblings_)
        rebuild(false);
}

void BaseForm::showAgain()
{
    MainWindow* window = mainWindow();
    if (detached_ || !window || window->currentForm() != this)
        return;
    if (rebuildSiblings_) {
        rebuild(true);
        return;
    }
    const QByteArray className = metaObject()->className();
    const int row = currentRow_;
    // This screen is replaced (and deleted later) by its way back: nothing of it is used after.
    returnBackForm();
    BaseForm* parent = window->currentForm();
    if (!parent || parent == this)
        return;
    // The way back lands on the button that opened the screen.
    const int button = parent->currentRow();
    if (parent->childButtonPosition(button) < 0)
        return;
    parent->showNextForm(button);
    BaseForm* again = window->currentForm();
    if (again && again != parent && className == again->metaObject()->className())
        again->setCurrentRow(row);
}

void BaseForm::replaceWith(BaseForm* form)
{
    MainWindow* window = mainWindow();
    if (detached_ || !window || window->currentForm() != this) {
        delete form;
        return;
    }
    const int row = currentRow_;
    window->addForm(form, 0);
    form->setCurrentRow(row);
}

void BaseForm::rebuild(bool keepRow)
{
    const QMetaObject* meta = metaObject();
    const int row = keepRow ? currentRow_ : 0;
    MainWindow* window = mainWindow();
    const Pages forms = rebuildSiblings_();
    // This screen is replaced (and deleted later) inside the call: nothing of it is used after.
    showForms(forms, *meta);
    if (window && !keepRow) {
        if (BaseForm* form = window->currentForm())
            form->setCurrentRow(row);
    }
}

void BaseForm::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    QTimer::singleShot(1, this, [this] {
        if (!detached_)
            emit signalShowForm();
    });
}
