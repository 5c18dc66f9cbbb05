// The clock row of the date and time page: shown from the 32-bit seconds, edited field by field with the keys.
#include <QDateTimeEdit>
#include <QtTest>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "screens/datetimeeditwidget.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

namespace {

constexpr quint16 kClock = 562;
// 2023.11.14 22:13:20 UTC
constexpr quint32 kSeconds = 1700000000u;

class ClockForm : public BaseForm
{
public:
    ClockForm() : BaseForm(nullptr, true) { setObjectName("ClockForm"); }
    void createForm() override
    {
        row = new DateTimeEditWidget(kClock, "Дата и время");
        addWidget(row);
    }
    void returnBackForm() override {}
    DateTimeEditWidget* row = nullptr;
};

} // namespace

class TestDateTimeEditWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsSecondsAsDate();
    void editedFieldIsWrittenOnce();
    void escapeAndRefusalsSendNothing();

private:
    void press(Qt::Key key);

    UiFixture* ui_ = nullptr;
    FakeController* mc_ = nullptr;
    ClockForm* form_ = nullptr;
};

void TestDateTimeEditWidget::init()
{
    ui_ = new UiFixture();
    ParameterDef& def = ui_->addParameter(kClock, 0.0f, 0.0f, 4294967295.0f, 1, 2);
    def.physic = 1;
    ui_->reportRaw(kClock, kSeconds);
    mc_ = new FakeController();
    form_ = new ClockForm();
    ui_->window()->addForm(form_, 0);
    QApplication::setActiveWindow(ui_->window());
    ui_->settle();
}

void TestDateTimeEditWidget::cleanup()
{
    delete mc_;
    delete ui_;
}

void TestDateTimeEditWidget::press(Qt::Key key)
{
    QWidget* target = ui_->window()->focusWidget();
    if (!target || !ui_->window()->isAncestorOf(target))
        target = form_;
    QTest::keyClick(target, key);
}

void TestDateTimeEditWidget::showsSecondsAsDate()
{
    QCOMPARE(form_->row->valueText(), QString("2023.11.14 22:13:20"));
    // A date past 2038 still fits the unsigned seconds.
    ui_->reportRaw(kClock, 4000000000u);
    QTRY_COMPARE(form_->row->valueText(), QString("2096.10.02 07:06:40"));
}

void TestDateTimeEditWidget::editedFieldIsWrittenOnce()
{
    // Passwords off and a level 1 setting: no password asked.
    ui_->addParameter(571, 0.0f);
    press(Qt::Key_Return);
    QVERIFY(form_->row->isEditing());
    QVERIFY(DialogGate::records().isEmpty());
    QDateTimeEdit* editor = form_->row->editor();
    QVERIFY(editor->hasFocus());

    // A year up, a month down.
    editor->setCurrentSection(QDateTimeEdit::YearSection);
    press(Qt::Key_Up);
    editor->setCurrentSection(QDateTimeEdit::MonthSection);
    press(Qt::Key_Down);
    // Paging keys do not leave the screen while the date is edited.
    press(Qt::Key_F7);
    QCOMPARE(ui_->window()->currentForm(), form_);
    press(Qt::Key_Return);

    QVERIFY(!form_->row->isEditing());
    QCOMPARE(mc_->writes().size(), 1);
    const FakeController::Write w = mc_->writes().first();
    QCOMPARE(w.id, kClock);
    QCOMPARE(w.eventType, 1);
    const QDateTime expected(QDate(2024, 10, 14), QTime(22, 13, 20), Qt::UTC);
    QCOMPARE(w.raw, static_cast<quint32>(expected.toSecsSinceEpoch()));
    QCOMPARE(form_->row->state(), int(BaseParamWidget::StateSelected));
    QTRY_COMPARE(form_->row->valueText(), QString("2024.10.14 22:13:20"));
}

void TestDateTimeEditWidget::escapeAndRefusalsSendNothing()
{
    // Passwords on and no level granted: a refused password opens nothing.
    ui_->addParameter(571, 1.0f);
    ui_->addParameter(572, 0.0f);
    press(Qt::Key_Return);
    QVERIFY(!form_->row->isEditing());
    QCOMPARE(DialogGate::records().size(), 1);
    QCOMPARE(DialogGate::records().first().kind, DialogGate::Password);

    ui_->addParameter(571, 0.0f);
    press(Qt::Key_Return);
    QVERIFY(form_->row->isEditing());
    form_->row->editor()->setCurrentSection(QDateTimeEdit::YearSection);
    press(Qt::Key_Up);
    press(Qt::Key_Escape);
    QVERIFY(!form_->row->isEditing());
    QVERIFY(mc_->writes().isEmpty());
    QCOMPARE(form_->row->valueText(), QString("2023.11.14 22:13:20"));

    // Outside the parameter's limits: the row warns and nothing is sent.
    ParameterDef* def = ui_->params()->getParameter(kClock);
    def->max = static_cast<float>(kSeconds);
    press(Qt::Key_Return);
    form_->row->editor()->setCurrentSection(QDateTimeEdit::YearSection);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    QVERIFY(mc_->writes().isEmpty());
    QVERIFY(form_->row->isWarning());
    QCOMPARE(form_->row->valueText(), QString("2023.11.14 22:13:20"));
}

RVK_TEST_MAIN(TestDateTimeEditWidget)
#include "tst_datetimeeditwidget.moc"
