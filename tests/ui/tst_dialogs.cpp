#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "texts/common.h"
#include "ui/backlight.h"
#include "ui/keyboarddialog.h"
#include "ui/mainwindow.h"
#include "ui/messagedialog.h"
#include "ui/passworddialog.h"
#include "ui/progressbardialog.h"
#include "ui/splashscreen.h"
#include "ui/uiclock.h"

namespace {

// Clicks the button `name` of the modal dialog once it is up.
void clickWhenModal(const QString& name)
{
    QTimer::singleShot(0, [name] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        auto* button = modal->findChild<QPushButton*>(name);
        QVERIFY(button);
        button->click();
    });
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui_.reset(new UiFixture);
        ui_->addParameter(594, 0.0f);
        ui_->addParameter(724, 0.0f);
        ui_->addParameter(725, 0.0f);
    }
    void cleanup() { ui_.reset(); }

    void messageExecResults()
    {
        DialogGate::setRejectUnanswered(false);
        QPointer<MessageDialog> question = new MessageDialog(QStringLiteral("Сбросить?"), MessageDialog::Question, ui_->window());
        QCOMPARE(question->findChild<QPushButton*>(QStringLiteral("yesButton_"))->text(), QStringLiteral("Да"));
        QCOMPARE(question->findChild<QPushButton*>(QStringLiteral("noButton_"))->text(), QStringLiteral("Нет"));
        clickWhenModal(QStringLiteral("yesButton_"));
        QCOMPARE(question->exec(), 1);
        QVERIFY(question.isNull());  // deleted when closed

        auto* no = new MessageDialog(QStringLiteral("Сбросить?"), MessageDialog::Question, ui_->window());
        clickWhenModal(QStringLiteral("noButton_"));
        QCOMPARE(no->exec(), 0);

        auto* info = new MessageDialog(QStringLiteral("Готово"), MessageDialog::Information, ui_->window());
        QVERIFY(!info->findChild<QPushButton*>(QStringLiteral("noButton_")));
        QCOMPARE(info->findChild<QPushButton*>(QStringLiteral("yesButton_"))->text(), QStringLiteral("Ok"));
        clickWhenModal(QStringLiteral("yesButton_"));
        QCOMPARE(info->exec(), 1);

        // Left open, a message is rejected after the time-out.
        UiClock::setMessageTimeoutMs(50);
        auto* forgotten = new MessageDialog(QStringLiteral("Ждём"), MessageDialog::Question, ui_->window());
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(forgotten->exec(), 0);
        QVERIFY(elapsed.elapsed() < 5000);

        QCOMPARE(UiFixture::messages().size(), 4);
        QCOMPARE(UiFixture::messages().at(0).text, QStringLiteral("Сбросить?"));
        QCOMPARE(UiFixture::messages().at(2).type, int(MessageDialog::Information));
    }

    void messageShownDeletesItselfAndScriptedAnswers()
    {
        UiClock::setMessageTimeoutMs(30);
        QPointer<MessageDialog> shown = new MessageDialog(QStringLiteral("Ошибка"), MessageDialog::Error, ui_->window());
        shown->show();
        QCOMPARE(UiFixture::messages().size(), 1);
        QCOMPARE(UiFixture::messages().at(0).type, int(MessageDialog::Error));
        QTRY_VERIFY(shown.isNull());

        DialogGate::setNextAnswer(1);
        DialogGate::setNextAnswer(0);
        QCOMPARE((new MessageDialog(QStringLiteral("А?"), MessageDialog::Question, ui_->window()))->exec(), 1);
        QCOMPARE((new MessageDialog(QStringLiteral("Б?"), MessageDialog::Question, ui_->window()))->exec(), 0);
        // Unanswered in a test: rejected at once instead of waiting.
        QCOMPARE((new MessageDialog(QStringLiteral("В?"), MessageDialog::Question, ui_->window()))->exec(), 0);
        QCOMPARE(UiFixture::messages().size(), 4);
        QCOMPARE(UiFixture::messages().at(3).text, QStringLiteral("В?"));
    }

    void progressFollowsParametersAndClosesOnZero()
    {
        QPointer<ProgressBarDialog> dialog = new ProgressBarDialog(QStringLiteral("Копирование"), ui_->window(), 594, false);
        dialog->show();
        QSignalSpy accepted(dialog.data(), &QDialog::accepted);
        ui_->report(725, 200.7f);
        ui_->report(724, 50.9f);
        QCOMPARE(dialog->progressBar()->maximum(), 200);
        QCOMPARE(dialog->progressBar()->value(), 50);
        ui_->report(594, 1.0f);
        QVERIFY(dialog->isVisible());
        // A limit report of the id is no value.
        ui_->params()->slotParamUpdated(594, 0, 7);
        QVERIFY(dialog->isVisible());
        ui_->report(594, 0.0f);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(dialog.isNull());

        // Id 0 follows no parameter.
        ProgressBarDialog idle(QStringLiteral("Ожидание"), ui_->window(), 0, false);
        idle.show();
        ui_->report(594, 0.0f);
        QVERIFY(idle.isVisible());
    }

    void progressElapsedText()
    {
        qint64 now = 1000000;
        UiClock::setClock([&now] { return now; });
        ProgressBarDialog dialog(QStringLiteral("Удаление архивов:"), ui_->window(), 0, true);
        QCOMPARE(dialog.text(), QStringLiteral("Удаление архивов:\nпрошло 00:00"));
        now += 65400;
        dialog.slotUpdateText();
        QCOMPARE(dialog.text(), QStringLiteral("Удаление архивов:\nпрошло 01:05"));
        QCOMPARE(ProgressBarDialog::elapsedText(3600000), QStringLiteral("60:00"));
        // The periodic refresh runs by itself.
        UiClock::setProgressTextPeriodMs(5);
        ProgressBarDialog fast(QStringLiteral("Копирование"), ui_->window(), 0, true);
        now += 2000;
        QTRY_COMPARE(fast.text(), QStringLiteral("Копирование\nпрошло 00:02"));
        ProgressBarDialog plain(QStringLiteral("Копирование"), ui_->window(), 0, false);
        QCOMPARE(plain.text(), QStringLiteral("Копирование"));
        UiClock::setClock(nullptr);
    }

    void passwordChecksLevelAndGrants()
    {
        ui_->addParameter(572, 0.0f);
        ui_->addParameter(574, 1234.0f);
        FakeController mc;
        QVERIFY(!PasswordDialog::check(2, QStringLiteral("1235")));
        QVERIFY(!PasswordDialog::check(2, QStringLiteral("12345")));
        QVERIFY(!PasswordDialog::check(2, QStringLiteral("12a4")));
        QVERIFY(!PasswordDialog::check(2, QString()));
        QVERIFY(!PasswordDialog::check(5, QStringLiteral("1234")));
        QCOMPARE(mc.writes().size(), 0);
        QVERIFY(PasswordDialog::check(2, QStringLiteral("1234")));
        QCOMPARE(mc.writes().size(), 1);
        QCOMPARE(mc.writes().at(0).id, quint16(572));
        QCOMPARE(mc.writes().at(0).value(), 2.0f);
        QCOMPARE(mc.writes().at(0).eventType, 1);

        // The dialog itself: a wrong password keeps it open and clears the field.
        PasswordDialog dialog(2, QString(), ui_->window());
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        QTest::keyClicks(dialog.lineEdit(), QStringLiteral("99999"));
        QCOMPARE(dialog.lineEdit()->text(), QStringLiteral("9999"));
        QTest::keyClick(dialog.lineEdit(), Qt::Key_Return);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(dialog.lineEdit()->text().isEmpty());
        QTest::keyClicks(dialog.lineEdit(), QStringLiteral("1234"));
        QTest::keyClick(dialog.lineEdit(), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
    }

    void keyboardTypesWithArrows()
    {
        KeyboardDialog keyboard(QStringLiteral("Имя"), QStringLiteral("AB"), 4);
        QCOMPARE(keyboard.text(), QStringLiteral("AB"));
        QTest::keyClick(&keyboard, Qt::Key_Return);       // "1"
        QTest::keyClick(&keyboard, Qt::Key_Down);         // "Q"
        QTest::keyClick(&keyboard, Qt::Key_F4);
        QTest::keyClick(&keyboard, Qt::Key_Left);         // wraps back to the previous row's end: "0"
        QTest::keyClick(&keyboard, Qt::Key_Return);
        QCOMPARE(keyboard.text(), QStringLiteral("AB1Q"));  // at most 4 characters
        QTest::keyClick(&keyboard, Qt::Key_Backspace);
        // Only what a name parameter carries: printable ASCII.
        for (const QString& typed : {QStringLiteral("\u00E9"), QStringLiteral("Ж"), QStringLiteral("\t")})
            QTest::sendKeyEvent(QTest::Click, &keyboard, Qt::Key_unknown, typed, Qt::NoModifier);
        QCOMPARE(keyboard.text(), QStringLiteral("AB1"));
        QTest::keyClicks(&keyboard, QStringLiteral("z"));
        QCOMPARE(keyboard.text(), QStringLiteral("AB1z"));
        QSignalSpy rejected(&keyboard, &QDialog::rejected);
        QTest::keyClick(&keyboard, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
    }

    void splashProgressAndDismiss()
    {
        SplashScreen splash;
        QCOMPARE(splash.size(), QSize(640, 480));
        splash.setProgress(50, 200);
        QCOMPARE(splash.progress(), 25);
        splash.setProgress(300, 200);
        QCOMPARE(splash.progress(), 100);
        QSignalSpy dismissed(&splash, &SplashScreen::signalDismissed);
        QTest::keyClick(&splash, Qt::Key_Escape);
        QCOMPARE(dismissed.count(), 1);
    }

    void mainWindowMessagesAndUnits()
    {
        MainWindow* window = ui_->window();
        QCOMPARE(window->size(), QSize(640, 480));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        ui_->addParameter(685, 2.0f);
        ui_->addParameter(783, 0.0f);
        window->showMessageAdaptation();
        QCOMPARE(UiFixture::messages().size(), 0);
        ui_->report(783, 1.0f);
        window->showMessageAdaptation();
        QCOMPARE(UiFixture::messages().size(), 1);
        QCOMPARE(UiFixture::messages().at(0).text, QStringLiteral("Внимание!\nНеобходимо провести автоадаптацию"));

        window->slotLogCopyStart();
        auto* copy = window->findChild<ProgressBarDialog*>();
        QVERIFY(copy);
        QCOMPARE(copy->progressId(), quint16(594));
        QVERIFY(copy->text().startsWith(QStringLiteral("Копирование архивов:\nпрошло ")));
        window->slotLogCopyFinish();
        QCOMPARE(UiFixture::messages().last().text, QStringLiteral("Копирование архивов завершено!"));

        // Analog input unit: the quantity's own unit text, else volts or milliamps by the signal type.
        ui_->addParameter(900, 0.0f);
        ui_->addParameter(901, 0.0f);
        ui_->addParameter(902, 0.0f);
        QCOMPARE(window->getTextAiUnit(900, 901, 902), Common::getTextAiUnit(0, 0).isEmpty()
                                                          ? QStringLiteral("В") : Common::getTextAiUnit(0, 0));
        ui_->report(902, 1.0f);
        if (Common::getTextAiUnit(0, 0).isEmpty())
            QCOMPARE(window->getTextAiUnit(900, 901, 902), QStringLiteral("мА"));
        for (unsigned char q = 1; q < 12; ++q) {
            if (Common::getTextAiUnit(q, 0).isEmpty())
                continue;
            ui_->report(900, 256.0f + q);  // only the low 8 bits count
            QCOMPARE(window->getTextAiUnit(900, 901, 902), Common::getTextAiUnit(q, 0));
            break;
        }
    }

    void waitDialogOpensAndCloses()
    {
        MainApplication* app = MainApplication::getInstance();
        app->slotShowWaitDialog(1031, true);
        app->slotShowWaitDialog(1031, true);
        const auto wait = ui_->window()->findChildren<ProgressBarDialog*>();
        QCOMPARE(wait.size(), 1);
        QPointer<ProgressBarDialog> guard = wait.first();
        QTRY_VERIFY(guard->isVisible());
        QCOMPARE(guard->text(), QStringLiteral("Ожидание применения..."));
        app->slotShowWaitDialog(1031, false);
        QTRY_VERIFY(guard.isNull());
    }

    void backlightFilesOrNoOp()
    {
        QTemporaryDir dir;
        const QString light = dir.filePath(QStringLiteral("brightness"));
        const QString key = dir.filePath(QStringLiteral("key"));
        Backlight::setPaths(light, key);
        QVERIFY(!Backlight::setBacklight(5));
        QFile(light).open(QIODevice::WriteOnly);
        QFile(key).open(QIODevice::WriteOnly);
        QVERIFY(Backlight::setBacklight(5));
        QVERIFY(Backlight::setKeyLight(true));
        QFile f(light);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("5\n"));
        QFile k(key);
        QVERIFY(k.open(QIODevice::ReadOnly));
        QCOMPARE(k.readAll(), QByteArray("1\n"));
        Backlight::resetPaths();
    }

private:
    QScopedPointer<UiFixture> ui_;
};

RVK_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
