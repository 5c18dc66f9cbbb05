#include "ui/mainwindow.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtDebug>

#include "texts/common.h"
#include "ui/baseform.h"
#include "ui/dialoggate.h"
#include "ui/headerwidget.h"
#include "ui/messagedialog.h"
#include "ui/progressbardialog.h"
#include "ui/uiclock.h"

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), header_(new HeaderWidget(this)), stack_(new QStackedWidget(this)), footerLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedSize(640, 480);
    stack_->setObjectName(QStringLiteral("formStack_"));
    footerLabel_->setObjectName(QStringLiteral("footerLabel_"));
    footerLabel_->setFixedHeight(28);
    footerLabel_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(stack_, 1);
    layout->addWidget(footerLabel_);
}

MainWindow::~MainWindow()
{
    // The pages of the list never shown are in no widget.
    for (int i = 0; i < pages_.size(); ++i) {
        BaseForm* form = pages_.built(i);
        if (form && !form->parent())
            delete form;
    }
}

QList<BaseForm*> MainWindow::forms()
{
    QList<BaseForm*> list;
    for (int i = 0; i < pages_.size(); ++i)
        list.append(page(i));
    return list;
}

BaseForm* MainWindow::page(int index)
{
    BaseForm* form = pages_.built(index);
    if (form)
        return form;
    form = pages_.form(index);
    if (form)
        hold(form);
    return form;
}

void MainWindow::hold(BaseForm* form)
{
    // A page joins the stack when it is first shown.
    form->setHeldByWindow();
    connect(form, &BaseForm::signalTitleChanged, this, &MainWindow::slotFormChanged, Qt::UniqueConnection);
    connect(form, &BaseForm::signalTextInfoChanged, this, &MainWindow::slotFormChanged, Qt::UniqueConnection);
    connect(form, &BaseForm::signalHeaderStateChanged, this, &MainWindow::slotFormChanged, Qt::UniqueConnection);
}

BaseForm* MainWindow::currentForm() const
{
    return (current_ >= 0 && current_ < pages_.size()) ? pages_.built(current_) : nullptr;
}

void MainWindow::retire(BaseForm* form)
{
    if (!form)
        return;
    // The caller may be this very screen, inside its own slot: stop it now, delete it later.
    form->detach();
    disconnect(form, nullptr, this, nullptr);
    // Hidden, it leaves the stack when deleted: the stack keeps a page current meanwhile, so the next page is built
    // hidden and shown once built.
    form->hide();
    // A dialog opened from one of its rows may be open, its exec() still on the stack: the screen goes once the
    // dialog has closed, never inside the dialog's event loop.
    if (DialogGate::isOpen()) {
        QPointer<BaseForm> retired(form);
        DialogGate::whenClosed(this, [retired] {
            if (retired)
                retired->deleteLater();
        });
        return;
    }
    form->deleteLater();
}

void MainWindow::rebuildCurrent()
{
    if (rebuildDue_)
        return;
    rebuildDue_ = true;
    // Posted, so that what asked for it has finished; never under an open dialog that may belong to the screen.
    DialogGate::whenClosed(this, [this] {
        rebuildDue_ = false;
        if (BaseForm* form = currentForm())
            form->showAgain();
    });
}

void MainWindow::addForm(const Pages& forms, int position, int focus)
{
    for (int i = 0; i < pages_.size(); ++i) {
        BaseForm* old = pages_.built(i);
        if (old && !forms.contains(old))
            retire(old);
    }
    // A screen given and deleted since is left out.
    pages_ = forms.withoutLost();
    current_ = -1;
    for (int i = 0; i < pages_.size(); ++i) {
        if (BaseForm* form = pages_.built(i))
            hold(form);
    }
    if (pages_.isEmpty()) {
        header_->setTitle(QString());
        header_->setPage(0, 0);
        return;
    }
    makeCurrent(qBound(0, position, pages_.size() - 1), focus);
}

void MainWindow::addForm(const Pages& forms, const QString& className)
{
    const Pages list = forms.withoutLost();
    const int index = list.indexOf(className);
    if (index < 0) {
        addForm(list, 0, -1);
        return;
    }
    BaseForm* previous = currentForm();
    if (previous && QLatin1String(previous->metaObject()->className()) == className) {
        const int row = previous->currentRow();
        addForm(list, index, -1);
        if (BaseForm* form = currentForm())
            form->setCurrentRow(row < form->rowCount() ? row : 0);
        return;
    }
    addForm(list, index, previous ? current_ : -1);
}

void MainWindow::addForm(BaseForm* form, int index)
{
    const int focus = index == -1 ? current_ : -1;
    addForm(Pages{form}, 0, focus);
}

void MainWindow::makeCurrent(int index, int focus)
{
    BaseForm* form = page(index);
    if (!form)
        return;
    if (form->isStale()) {
        // Values it depends on changed while a sibling was on show: a new instance takes its place.
        form->rebuildStale();
        return;
    }
    if (BaseForm* old = currentForm(); old && old != form)
        old->hide();
    current_ = index;
    if (stack_->indexOf(form) < 0)
        stack_->addWidget(form);
    if (!form->isCreated())
        form->createForm(focus);
    else if (focus >= 0)
        form->createForm(focus);
    stack_->setCurrentWidget(form);
    form->show();
    header_->setPage(index, pages_.size());
    slotFormChanged();
    if (QWidget* row = form->currentWidget())
        row->setFocus(Qt::OtherFocusReason);
    else
        form->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showPage(int delta)
{
    const int count = pages_.size();
    if (count < 2 || current_ < 0)
        return;
    const int next = ((current_ + delta) % count + count) % count;
    makeCurrent(next, -1);
}

void MainWindow::slotFormChanged()
{
    BaseForm* form = currentForm();
    if (!form)
        return;
    if (sender() && sender() != form)
        return;
    header_->setTitle(form->title());
    header_->setState(form->headerState());
    footerLabel_->setText(form->textInfo());
}

QString MainWindow::textInfo() const
{
    return footerLabel_->text();
}

void MainWindow::setTextInfo(const QString& text)
{
    footerLabel_->setText(text);
}

QString MainWindow::getTextAiUnit(unsigned short paramId, unsigned short unitId, unsigned short typeId) const
{
    const auto quantity = static_cast<unsigned char>(Common::toCode(BaseForm::value(paramId)) & 0xFF);
    const auto unit = static_cast<unsigned char>(Common::toCode(BaseForm::value(unitId)) & 0xFF);
    const QString text = Common::getTextAiUnit(quantity, unit);
    if (!text.isEmpty())
        return text;
    return BaseForm::value(typeId) == 0.0f ? tr("В") : tr("мА");
}

void MainWindow::showMessageAdaptation()
{
    const quint16 drive = BaseForm::selector(685);
    if (drive == 2 && BaseForm::value(783) != 0.0f)
        MessageDialog::showOnce(tr("Внимание!\nНеобходимо провести автоадаптацию"), MessageDialog::Information, this);
}

void MainWindow::slotLogCopyStart()
{
    auto* dialog = new ProgressBarDialog(tr("Копирование архивов:"), this, 594, true);
    dialog->startTimeOut(UiClock::archiveTimeoutMs(), tr("Копирование архивов не завершено: контроллер не ответил"));
    dialog->show();
}

void MainWindow::slotLogCopyFinish()
{
    (new MessageDialog(tr("Копирование архивов завершено!"), MessageDialog::Information, this))->show();
}
