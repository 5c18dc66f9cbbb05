#include <QtTest>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "texts/common.h"
#include "support/uitestsupport.h"
#include "ui/basecombobox.h"
#include "ui/basecombobox2.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/basestatustextwidget.h"
#include "ui/basestatuswidget.h"
#include "ui/basestringeditwidget.h"
#include "ui/eventitem.h"
#include "ui/mainwindow.h"
#include "ui/statuspushbutton.h"
#include "ui/uiclock.h"

namespace {

// A screen whose rows the test adds itself.
class RowsForm : public BaseForm
{
    Q_OBJECT
public:
    RowsForm() : BaseForm(nullptr, true) { setObjectName(QStringLiteral("RowsForm")); }
    void createForm() override {}
    void returnBackForm() override {}
};

PairList timeChoices()
{
    PairList list;
    list.append(1000, QStringLiteral("1000 мс"));
    list.append(2000, QStringLiteral("2000 мс"));
    return list;
}

} // namespace

class TestRows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui_.reset(new UiFixture);
        // Passwords on; level 2 granted.
        ui_->addParameter(571, 1.0f);
        ui_->addParameter(572, 2.0f);
        ui_->addParameter(575, 4321.0f);
        ui_->addParameter(13, 0.0f);
        ui_->addParameter(300, 10.0f, 0.0f, 100.0f, 2);   // edit, level 2
        ui_->addParameter(301, 10.0f, 0.0f, 100.0f, 3);   // edit, level 3 (password)
        ui_->addParameter(302, 1800.0f, 500.0f, 2000.0f, 1);
        ui_->addParameter(303, 5.0f);
        ui_->addParameter(304, 0.0f);
        ui_->addParameter(305, 0.0f);
        ui_->addParameter(306, 0.0f);
        form_ = new RowsForm;
        ui_->window()->addForm(form_, 0);
    }
    void cleanup()
    {
        form_ = nullptr;
        ui_.reset();
    }

    void editRefusedAccessSendsNothing()
    {
        FakeController mc;
        BaseEditWidget* row = form_->addEdit(301);
        form_->setCurrentRow(0);
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(!row->isEditing());
        QCOMPARE(mc.writes().size(), 0);
        // The password of level 3 was asked for.
        QCOMPARE(DialogGate::records().size(), 1);
        QCOMPARE(DialogGate::records().at(0).kind, DialogGate::Password);
        QCOMPARE(DialogGate::records().at(0).type, 3);
    }

    void editPasswordGrantsAndOpens()
    {
        FakeController mc;
        BaseEditWidget* row = form_->addEdit(301);
        form_->setCurrentRow(0);
        DialogGate::setNextAnswer(QStringLiteral("4321"));
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(row->isEditing());
        QCOMPARE(row->state(), int(BaseParamWidget::StateEditing));
        // The level is granted with an operator write.
        QCOMPARE(mc.writes().size(), 1);
        QCOMPARE(mc.writes().at(0).id, quint16(572));
        QCOMPARE(mc.writes().at(0).value(), 3.0f);
        QCOMPARE(mc.writes().at(0).eventType, 1);
    }

    void editOutOfRangeWarnsAndSendsNothing()
    {
        FakeController mc;
        BaseEditWidget* row = form_->addEdit(300);
        form_->setCurrentRow(0);
        QSignalSpy begin(row, &BaseEditWidget::signalEditingBegin);
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(row->isEditing());
        QCOMPARE(begin.count(), 1);
        QCOMPARE(ui_->window()->textInfo(), QStringLiteral("Диапазон допустимых значений [0 ... 100]"));
        QCOMPARE(QApplication::focusWidget(), row->lineEdit());
        // The editor takes the value's place, between the name and the unit.
        QVERIFY(!row->findChild<QLabel*>(QStringLiteral("valueLabel_"))->isVisible());
        const QLabel* name = row->findChild<QLabel*>(QStringLiteral("nameLabel_"));
        QTRY_VERIFY(row->lineEdit()->geometry().left() > name->geometry().right() &&
                    row->lineEdit()->geometry().right() < row->unitLabel_->geometry().left());
        row->lineEdit()->clear();
        QTest::keyClicks(row->lineEdit(), QStringLiteral("100.6"));
        QTest::keyClick(row->lineEdit(), Qt::Key_Return);
        QVERIFY(!row->isEditing());
        QCOMPARE(row->state(), int(BaseParamWidget::StateWarningSelected));
        QCOMPARE(mc.writes().size(), 0);
        QCOMPARE(ui_->window()->textInfo(), QStringLiteral("Для перемещения используйте стрелки"));
        // Text that is no number is refused the same way.
        QTest::keyClick(form_, Qt::Key_Return);
        QCOMPARE(row->state(), int(BaseParamWidget::StateEditing));
        QVERIFY(!row->confirm(QStringLiteral("1e")));
        QCOMPARE(row->state(), int(BaseParamWidget::StateWarningSelected));
        QCOMPARE(mc.writes().size(), 0);
        // Escape while editing cancels and stays on the screen.
        QTest::keyClick(form_, Qt::Key_Return);
        QTest::keyClick(row->lineEdit(), Qt::Key_Escape);
        QVERIFY(!row->isEditing());
        QCOMPARE(row->state(), int(BaseParamWidget::StateSelected));
        QCOMPARE(mc.writes().size(), 0);
    }

    void editAcceptedIsSentOnceAndShownWhenReported()
    {
        FakeController mc;
        mc.setAccept(false);
        BaseEditWidget* row = form_->addEdit(300);
        form_->setCurrentRow(0);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("10"));
        // The same value sends nothing.
        QTest::keyClick(form_, Qt::Key_Return);
        QTest::keyClick(row->lineEdit(), Qt::Key_Return);
        QCOMPARE(mc.writes().size(), 0);

        QTest::keyClick(form_, Qt::Key_Return);
        row->lineEdit()->setText(QStringLiteral("42,5"));
        QTest::keyClick(row->lineEdit(), Qt::Key_Enter);
        QCOMPARE(mc.writes().size(), 1);
        QCOMPARE(mc.writes().at(0).id, quint16(300));
        QCOMPARE(mc.writes().at(0).value(), 42.5f);
        QCOMPARE(mc.writes().at(0).eventType, 1);
        QCOMPARE(row->state(), int(BaseParamWidget::StateSelected));
        // Not applied yet: the row still shows the mirrored value.
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("10"));
        ui_->report(300, 42.0f);
        QTRY_COMPARE(row->valueText(), QStringLiteral("42"));
    }

    void editConvertsFromDisplayUnit()
    {
        FakeController mc;
        mc.setAccept(false);
        // Temperature stored in degrees Celsius, shown in Fahrenheit by setting 586.
        ui_->addParameter(586, 1.0f);
        ParameterDef& temp = ui_->addParameter(310, 10.0f, -60.0f, 150.0f);
        temp.physic = 19;
        BaseEditWidget* row = form_->addEdit(310);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("50"));
        QCOMPARE(row->unitText(), Common::getTextUnitPhysic(19, 1));
        QCOMPARE(row->rangeText(), QStringLiteral("Диапазон допустимых значений [-76 ... 302]"));
        form_->setCurrentRow(0);
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(row->confirm(QStringLiteral("122")));
        QCOMPARE(mc.writes().size(), 1);
        QCOMPARE(mc.writes().at(0).value(), 50.0f);
        // 303 °F is 150.6 °C: above the limit.
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(!row->confirm(QStringLiteral("303")));
        QCOMPARE(mc.writes().size(), 1);

        // A duration shown as "мм:сс" is typed the same way.
        ParameterDef& pause = ui_->addParameter(311, 60.0f, 0.0f, 3600.0f);
        pause.physic = 2;
        pause.unitOut = 5;
        BaseEditWidget* time = form_->addEdit(311);
        ui_->settle();
        form_->setCurrentRow(1);
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(time->confirm(QStringLiteral("02:30")));
        QCOMPARE(mc.writes().size(), 2);
        QCOMPARE(mc.writes().at(1).value(), 150.0f);
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(!time->confirm(QStringLiteral("2.5")));
        QCOMPARE(mc.writes().size(), 2);
        // Shown in minutes: typed in minutes, stored in seconds.
        pause.unitOut = 4;
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(time->confirm(QStringLiteral("2.5")));
        QCOMPARE(mc.writes().size(), 3);
        QCOMPARE(mc.writes().at(2).value(), 150.0f);
    }

    void refreshAfterDelayOnlyWhileVisible()
    {
        UiClock::setRefreshDelay(60, 4);
        BaseStatusWidget* row = form_->addStatusNum(303);
        QVERIFY(row->refreshDelayMs() >= 60 && row->refreshDelayMs() <= 96);
        ui_->settle(5);
        QCOMPARE(row->valueText(), QStringLiteral("5"));
        ui_->report(303, 6.0f);
        QVERIFY(row->isRefreshPending());
        QCOMPARE(row->valueText(), QStringLiteral("5"));
        QTRY_COMPARE(row->valueText(), QStringLiteral("6"));
        // Hidden: no refresh, until it is shown again.
        ui_->window()->hide();
        ui_->report(303, 7.0f);
        QVERIFY(!row->isRefreshPending());
        QCOMPARE(row->valueText(), QStringLiteral("6"));
        ui_->window()->show();
        QCOMPARE(row->valueText(), QStringLiteral("7"));
    }

    void statusBitsAndInvalid()
    {
        // Bit fields are held as raw integers.
        ui_->reportRaw(303, 5);
        BaseStatusWidget* bits = form_->addStatusNum(303, true);
        ui_->settle();
        QCOMPARE(bits->valueText(), QStringLiteral("0000000000000101b"));
        ui_->reportRaw(303, 0xFFFFFFFFu);
        ui_->settle();
        QCOMPARE(bits->valueText(), QStringLiteral("---"));
        ui_->reportRaw(303, 0x12345u);
        ui_->settle();
        QCOMPARE(bits->valueText(), QStringLiteral("10010001101000101b"));
        QCOMPARE(UiInspect::row(form_, 0).kind, QStringLiteral("bits"));
    }

    void statusTextKeepsTextOnUnknownValue()
    {
        PairList texts;
        texts.append(0, QStringLiteral("Стоп"));
        texts.append(1, QStringLiteral("Работа"));
        BaseStatusTextWidget* row = form_->addStatusText(304, texts);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("Стоп"));
        ui_->report(304, 1.0f);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("Работа"));
        ui_->report(304, 7.0f);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("Работа"));
        ui_->reportRaw(304, 0xFFFFFFFFu);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("Работа"));
    }

    void comboExtraEntryForUnknownValue()
    {
        BaseComboBox* row = form_->addComboBox(302, timeChoices());
        QCOMPARE(row->comboBox()->count(), 3);
        QCOMPARE(row->currentText(), QStringLiteral("1800 мс"));
        QCOMPARE(row->currentKey(), 1800);
        // A known value drops the extra entry; the caller's list may be reused.
        ui_->report(302, 2000.0f);
        ui_->settle();
        QCOMPARE(row->comboBox()->count(), 2);
        QCOMPARE(row->currentText(), QStringLiteral("2000 мс"));
        // The second word only when the first text has exactly two words.
        PairList three;
        three.append(1, QStringLiteral("один два три"));
        ui_->report(302, -3.0f);
        row->setValuesList(three);
        QCOMPARE(row->currentText(), QStringLiteral("-3 "));
        // Not valid: no extra entry.
        ui_->reportRaw(302, 0xFFFFFFFFu);
        row->setValuesList(timeChoices());
        QCOMPARE(row->comboBox()->count(), 2);
        QCOMPARE(UiInspect::row(form_, 0).keys, (QList<int>{1000, 2000}));
    }

    void comboWriteAndRestoreOnRefusal()
    {
        FakeController mc;
        mc.setAccept(false);
        PairList choices = timeChoices();
        choices.append(3000, QStringLiteral("3000 мс"));
        BaseComboBox* row = form_->addComboBox(QStringLiteral("Время"), 302, choices);
        QCOMPARE(row->name(), QStringLiteral("Время"));
        QVERIFY(row->choose(1));
        QCOMPARE(mc.writes().size(), 1);
        QCOMPARE(mc.writes().at(0).value(), 2000.0f);
        QCOMPARE(mc.writes().at(0).eventType, 1);
        // Outside the limits: nothing sent, the mirrored value shown again.
        QVERIFY(!row->choose(2));
        QCOMPARE(mc.writes().size(), 1);
        QCOMPARE(row->currentKey(), 1800);
        // The mirrored value itself: nothing sent.
        QVERIFY(row->choose(3));
        QCOMPARE(mc.writes().size(), 1);
        // Access refused: the list does not open.
        ui_->addParameter(306, 1000.0f, 0.0f, 5000.0f, 4);
        BaseComboBox* locked = form_->addComboBox(306, timeChoices());
        form_->setCurrentRow(1);
        QTest::keyClick(form_, Qt::Key_Return);
        QVERIFY(!locked->comboBox()->view()->isVisible());
        QCOMPARE(DialogGate::records().last().kind, DialogGate::Password);
    }

    void comboListBuiltWhenOpenedAndKeptWhileOpen()
    {
        BaseComboBox* row = form_->addComboBox(302, timeChoices());
        BaseComboBox2* free = form_->addComboBox(QStringLiteral("Выбор"), timeChoices(), 1000);
        ui_->settle();
        // Shown and refreshed, yet neither box has built its list (a frame of its own among its children).
        const auto lists = [](const QComboBox* box) {
            int count = 0;
            for (const QWidget* w : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                count += w->isWindow() ? 1 : 0;
            return count;
        };
        QCOMPARE(lists(row->comboBox()), 0);
        QCOMPARE(lists(free->comboBox()), 0);

        form_->setCurrentRow(0);
        QTest::keyClick(form_, Qt::Key_Return);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QCOMPARE(popup->parentWidget(), row->comboBox());
        QCOMPARE(lists(row->comboBox()), 1);
        // An update while the operator chooses leaves the open list as it is...
        ui_->report(302, 1500.0f);
        ui_->settle();
        QCOMPARE(row->currentText(), QStringLiteral("1800 мс"));
        QCOMPARE(row->comboBox()->itemText(2), QStringLiteral("1800 мс"));
        // ...and shows once it is closed.
        popup->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());
        ui_->report(302, 1500.0f);
        QTRY_COMPARE(row->currentText(), QStringLiteral("1500 мс"));
        QCOMPARE(row->comboBox()->count(), 3);
    }

    void combo2StoresKeyAndMovesOn()
    {
        BaseComboBox2* free = form_->addComboBox(QStringLiteral("Выбор"), timeChoices(), 7);
        form_->addStatusNum(303);
        QCOMPARE(free->key(), 1000);
        free->setValuesList(timeChoices(), 2000);
        QCOMPARE(free->key(), 2000);
        form_->setCurrentRow(0);
        int keySeen = 0;
        connect(free, &BaseParamWidget::signalEditingEnd, this, [&] { keySeen = free->key(); });
        free->choose(0);
        QCOMPARE(keySeen, 1000);
        QCOMPARE(form_->currentRow(), 1);
    }

    void stringEditWritesAsciiBytes()
    {
        FakeController mc;
        BaseStringEditWidget* row = form_->addStringEdit(304, 305);
        ui_->reportRaw(304, 0x34333231u);
        ui_->reportRaw(305, 0x00004241u);
        ui_->settle();
        QCOMPARE(row->valueText(), QStringLiteral("1234AB"));
        DialogGate::setNextAnswer(QStringLiteral("WELL-7"));
        row->enter();
        QCOMPARE(mc.writes().size(), 2);
        QCOMPARE(mc.writes().at(0).raw, 0x4C4C4557u);
        QCOMPARE(mc.writes().at(1).raw, 0x0000372Du);
        QCOMPARE(mc.writes().at(1).eventType, 1);
        QTRY_COMPARE(row->valueText(), QStringLiteral("WELL-7"));
        // Too long or not printable ASCII: refused, nothing sent.
        DialogGate::setNextAnswer(QStringLiteral("123456789"));
        row->enter();
        for (const char* text : {"Ж", "caf\u00e9", "A\tB"}) {
            DialogGate::setNextAnswer(QString::fromUtf8(text));
            row->enter();
        }
        QCOMPARE(mc.writes().size(), 2);
        QCOMPARE(row->state(), int(BaseParamWidget::StateWarning));
        // Cancelled keyboard: nothing sent.
        DialogGate::setNextAnswer(QVariant());
        row->enter();
        QCOMPARE(mc.writes().size(), 2);
    }

    void statusButtonIconFollowsValueAtOnce()
    {
        PairList icons;
        icons.append(0, QStringLiteral(":/images/off_protection"));
        icons.append(1, QStringLiteral(":/images/block_protection"));
        icons.append(2, QStringLiteral(":/images/restart_protection"));
        icons.append(3, QStringLiteral(":/images/on_protection"));
        for (int i = 0; i < icons.size(); ++i)
            QVERIFY2(!QPixmap(icons.value(i)).isNull(), qPrintable(icons.value(i)));
        StatusPushButton* button = form_->addStatusButton(304, QStringLiteral("Защита"), icons);
        QCOMPARE(button->iconPath(), QStringLiteral(":/images/off_protection"));
        ui_->report(304, 2.0f);
        QCOMPARE(button->iconPath(), QStringLiteral(":/images/restart_protection"));
        // Outside the list: the first icon, nothing read past the end.
        ui_->report(304, 9.0f);
        QCOMPARE(button->iconPath(), QStringLiteral(":/images/off_protection"));
        QCOMPARE(form_->childButtonCount(), 1);
    }

    void eventItemStateFollowsFocus()
    {
        QString when = QStringLiteral("01.02.2026 10:00:00");
        QString what = QStringLiteral("Останов");
        auto* first = new EventItem(when, what);
        auto* second = new EventItem(when, what);
        form_->addWidget(first);
        form_->addWidget(second);
        QVERIFY(first->minimumHeight() >= 37);
        form_->setCurrentRow(0);
        QTRY_COMPARE(first->findChild<QLabel*>(QStringLiteral("eventItemMsgLabel_"))->property("state").toInt(), 1);
        form_->setCurrentRow(1);
        QTRY_COMPARE(first->findChild<QLabel*>(QStringLiteral("eventItemTimeLabel_"))->property("state").toInt(), 0);
        QCOMPARE(second->findChild<QLabel*>(QStringLiteral("eventItemTimeLabel_"))->property("state").toInt(), 1);
    }

private:
    QScopedPointer<UiFixture> ui_;
    RowsForm* form_ = nullptr;
};

RVK_TEST_MAIN(TestRows)
#include "tst_rows.moc"
