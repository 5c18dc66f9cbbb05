// A screen is never replaced under a dialog opened from one of its rows (password, keyboard, question, selection
// list): a rebuild asked for meanwhile, by an update or by a change of language, waits until the dialog has closed
// and then runs once; the answer counts as given. A screen replaced under it all the same (by a way of its own) is
// deleted only after the dialog has closed, and an answer to it writes nothing.
#include <QtTest>

#include <QDialog>
#include <QLineEdit>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"
#include "ui/uiclock.h"

namespace {

constexpr quint16 kRows = 100;      // the rows follow it
constexpr quint16 kGuarded = 101;   // level 3: Enter asks for the password
constexpr quint16 kNameFirst = 102; // typed on the keyboard
constexpr quint16 kNameSecond = 103;
constexpr quint16 kChoice = 104;    // chosen from a list
constexpr quint16 kCommand = 105;   // written after a question
constexpr quint16 kProtection = 571;
constexpr quint16 kGranted = 572;
constexpr quint16 kPasswordLevel3 = 575;

int built = 0;

// One row of every kind that opens a dialog, in the order of the test rows.
class HoldForm : public BaseForm
{
    Q_OBJECT
public:
    explicit HoldForm(QWidget* parent = nullptr) : BaseForm(parent, true) { setObjectName(QStringLiteral("HoldForm")); }
    static Pages pages() { return {new HoldForm(nullptr)}; }
    void createForm() override
    {
        ++built;
        setTitle(QStringLiteral("Ждёт"));
        addEdit(kGuarded);
        addStringEdit(kNameFirst, kNameSecond);
        addButton(QStringLiteral("Команда"), SLOT(slotCommand()));
        addComboBox(kChoice, PairList{{0, QStringLiteral("Ноль")}, {1, QStringLiteral("Один")}});
        rebuildOnUpdate({kRows}, &HoldForm::pages);
    }
    void returnBackForm() override {}

public slots:
    void slotCommand() { sendCommand(kCommand, 1.0f, false, QStringLiteral("Выполнить?")); }
};

class OtherForm : public BaseForm
{
    Q_OBJECT
public:
    OtherForm() : BaseForm(nullptr, true) { setObjectName(QStringLiteral("OtherForm")); }
    void createForm() override { addStatusNum(kRows); }
    void returnBackForm() override {}
};

bool dialogOpen()
{
    return QApplication::activeModalWidget() || QApplication::activePopupWidget();
}

// Gives the open dialog of `row` an answer that writes (the password grants level 3), not yet confirmed.
void prepareAnswer(int row)
{
    if (row == 3) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Down);
        return;
    }
    QWidget* dialog = QApplication::activeModalWidget();
    if (row == 0)
        dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit_"))->setText(QStringLiteral("1234"));
    if (row == 1)
        QTest::keyClick(dialog, Qt::Key_A);
}

void confirmAnswer(int row)
{
    if (row == 3) {
        // A list whose screen was hidden has closed with it.
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Return);
        return;
    }
    qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept();
}

} // namespace

class TestDialogHold : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui_.reset(new UiFixture);
        ui_->addParameter(kRows, 2.0f);
        ui_->addParameter(kGuarded, 1.0f, 0.0f, 100.0f, 3);
        ui_->addParameter(kNameFirst, 0.0f, 0.0f, 4294967295.0f);
        ui_->addParameter(kNameSecond, 0.0f, 0.0f, 4294967295.0f);
        ui_->addParameter(kChoice, 0.0f, 0.0f, 1.0f);
        ui_->addParameter(kCommand, 0.0f, 0.0f, 1.0f);
        ui_->addParameter(kProtection, 1.0f);
        ui_->addParameter(kGranted, 0.0f, 0.0f, 4.0f);
        ui_->addParameter(kPasswordLevel3, 1234.0f, 0.0f, 9999.0f);
        mc_.reset(new FakeController);
        UiClock::setRebuildDelayMs(0);
        built = 0;
        ui_->window()->addForm(HoldForm::pages(), 0, -1);
    }
    void cleanup()
    {
        mc_.reset();
        ui_.reset();
        MainApplication::getInstance()->setLanguage(0);
    }

    void screenWaitsForTheDialog_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<quint16>("written");
        const struct {
            const char* kind;
            int row;
            quint16 written;  // what the accepted answer writes; 0 nothing (the password only grants)
        } kinds[] = {{"password", 0, 0}, {"keyboard", 1, kNameFirst}, {"question", 2, kCommand}, {"selection", 3, kChoice}};
        for (const auto& k : kinds) {
            for (const char* trigger : {"update", "language", "replaced"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(k.kind, trigger))) << k.row << trigger << k.written;
        }
    }

    void screenWaitsForTheDialog()
    {
        QFETCH(int, row);
        QFETCH(QString, trigger);
        QFETCH(quint16, written);
        MainWindow* window = ui_->window();
        QPointer<BaseForm> form = window->currentForm();
        form->setCurrentRow(row);
        DialogGate::setRejectUnanswered(false);

        bool opened = false;
        bool kept = false;
        bool held = false;
        bool answered = false;
        // Runs while the dialog is open: inside its event loop, or after the selection list has opened.
        QTimer::singleShot(0, [&] {
            opened = QTest::qWaitFor(dialogOpen, 5000);
            if (!opened)
                return;
            prepareAnswer(row);
            if (trigger == QLatin1String("update"))
                ui_->report(kRows, 3.0f);
            else if (trigger == QLatin1String("language"))
                MainApplication::getInstance()->setLanguage(1);
            else
                window->addForm(new OtherForm, 0);
            // A rebuild due now (its delay is 0) or posted would have run by the end of these passes.
            for (int i = 0; i < 10; ++i)
                QCoreApplication::processEvents();
            kept = form && window->currentForm() == form.data() && !form->isDetached();
            held = form && form->isRebuildHeld();
            confirmAnswer(row);
            answered = true;
        });
        UiFixture::key(window, Qt::Key_Return);
        QTRY_VERIFY(answered);
        QVERIFY(opened);

        const QStringList writes = written ? mc_->writesOf(written) : QStringList();
        if (trigger == QLatin1String("replaced")) {
            // The screen goes once the dialog has closed; its answer writes nothing.
            QVERIFY(!kept);
            QTRY_VERIFY(form.isNull());
            QCOMPARE(UiInspect::currentClass(window), QStringLiteral("OtherForm"));
            QCOMPARE(writes, QStringList());
            QCOMPARE(built, 1);
            return;
        }
        QVERIFY2(kept, "the screen was replaced under the dialog");
        QCOMPARE(held, trigger == QLatin1String("update"));
        // The answer counts; then the screen is built anew once, on the row it was on.
        QCOMPARE(writes.size(), written ? 1 : 0);
        QTRY_COMPARE(built, 2);
        QTRY_VERIFY(form.isNull());
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(built, 2);
        QCOMPARE(UiInspect::currentClass(window), QStringLiteral("HoldForm"));
        QCOMPARE(window->currentForm()->currentRow(), row);
    }

private:
    QScopedPointer<UiFixture> ui_;
    QScopedPointer<FakeController> mc_;
};

RVK_TEST_MAIN(TestDialogHold)
#include "tst_dialoghold.moc"
