#include "screens/mainscreenform.h"

#include <QKeyEvent>

#include "app/parameters.h"
#include "screens/mainmenu.h"
#include "texts/common.h"
#include "ui/basestatustextwidget.h"
#include "ui/headerwidget.h"
#include "ui/mainwindow.h"
#include "ui/pairlist.h"

namespace {
constexpr quint16 kState = 13;
constexpr quint16 kStopReason = 535;
constexpr quint16 kFrequency = 10001;
constexpr quint16 kCurrent = 6;
constexpr quint16 kBlockFlag = 633;
constexpr int kLastReason = 156;
}

MainScreenForm::MainScreenForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QStringLiteral("MainScreenForm"));
    setTitle(tr("Состояние станции"));
    setTextInfo(tr("Для входа в меню нажмите Ввод"));
}

int MainScreenForm::headerStateFor(float blockFlag)
{
    switch (Common::toCode(blockFlag)) {
    case 3:
        return HeaderWidget::Block;
    case 2:
        return HeaderWidget::WaitRestart;
    default:
        return HeaderWidget::Normal;
    }
}

void MainScreenForm::createForm()
{
    PairList states;
    states.append(0, tr("Стоп"));
    states.append(1, tr("Пуск"));
    states.append(2, tr("Работа"));
    states.append(3, tr("Работа"));
    addStatusText(kState, states);

    PairList reasons;
    const Common::CellReader cells = cellReader();
    for (int reason = 0; reason <= kLastReason; ++reason)
        reasons.append(reason, Common::getTextReasonStop(reason, cells));
    addStatusText(kStopReason, reasons);

    addStatusNum(kFrequency, false);
    addStatusNum(kCurrent, false);

    PairList block;
    block.append(0, tr("Нет"));
    block.append(1, tr("Задержка отключения"));
    block.append(2, tr("Ожидание АПВ"));
    block.append(3, tr("Блокировка"));
    addStatusText(kBlockFlag, block)->setName(tr("Блокировка"));

    for (int row = 0; row < rowCount(); ++row)
        rowAt(row)->installEventFilter(this);

    setHeaderState(headerStateFor(value(kBlockFlag)));
    if (Parameters* p = params())
        connect(p, SIGNAL(signalParamUpdated(quint16)), this, SLOT(slotParamUpdated(quint16)));
}

void MainScreenForm::slotParamUpdated(quint16 id)
{
    if (id == kBlockFlag && !isDetached())
        setHeaderState(headerStateFor(value(kBlockFlag)));
}

void MainScreenForm::returnBackForm()
{
}

void MainScreenForm::showAgain()
{
    replaceWith(new MainScreenForm(nullptr));
}

bool MainScreenForm::isEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F4;
}

void MainScreenForm::openMainMenu()
{
    if (!isDetached())
        mainWindow()->addForm(new MainMenu(nullptr), 0);
}

void MainScreenForm::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        event->accept();
        openMainMenu();
        return;
    }
    BaseForm::keyPressEvent(event);
}

bool MainScreenForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        openMainMenu();
        return true;
    }
    return BaseForm::eventFilter(watched, event);
}
