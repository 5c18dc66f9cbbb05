#include <QSignalSpy>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/messagedialog.h"

// The access decision of MainApplication::isAccess, with the password dialog answered by script.
class TestAccess : public QObject
{
    Q_OBJECT
private:
    UiFixture* ui_ = nullptr;

    void setup(float protection, float granted, float state, float company)
    {
        ui_->report(571, protection);
        ui_->report(572, granted);
        ui_->report(13, state);
        ui_->report(1330, company);
        DialogGate::clearRecords();
        DialogGate::clearAnswers();
    }

    int passwordPrompts() const
    {
        int n = 0;
        for (const auto& r : DialogGate::records())
            n += r.kind == DialogGate::Password ? 1 : 0;
        return n;
    }

private slots:
    void initTestCase()
    {
        ui_ = new UiFixture;
        ui_->addParameter(571, 1, 0, 1);
        ui_->addParameter(572, 0, 0, 4);
        for (int level = 1; level <= 4; ++level)
            ui_->addParameter(static_cast<quint16>(572 + level), 1111.0f * level, 0, 9999, 4);
        ui_->addParameter(13, 0, 0, 3, 0, 1);
        ui_->addParameter(1330, 0, 0, 4);
        ui_->addParameter(100, 0, 0, 10, 1, 2);   // level 1
        ui_->addParameter(200, 0, 0, 10, 2, 2);   // level 2
        ui_->addParameter(300, 0, 0, 10, 3, 2);   // level 3
        ui_->addParameter(310, 0, 0, 10, 3, 3);   // level 3, only while stopped
    }

    void cleanupTestCase() { delete ui_; }

    void decisionTable_data()
    {
        QTest::addColumn<float>("protection");
        QTest::addColumn<float>("granted");
        QTest::addColumn<float>("state");
        QTest::addColumn<float>("company");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<int>("prompts");   // password dialogs shown (each rejected)

        // Protection off: levels up to 2 pass in modes 0 and 1, higher levels ask.
        QTest::newRow("off level1 mode0") << 0.0f << 0.0f << 0.0f << 0.0f << 100 << 0 << true << 0;
        QTest::newRow("off level2 mode1") << 0.0f << 0.0f << 0.0f << 0.0f << 200 << 1 << true << 0;
        QTest::newRow("off level3 mode0") << 0.0f << 0.0f << 0.0f << 0.0f << 300 << 0 << false << 1;
        // Protection on: the granted level decides in mode 0 only.
        QTest::newRow("on granted2 level2 mode0") << 1.0f << 2.0f << 0.0f << 0.0f << 200 << 0 << true << 0;
        QTest::newRow("on granted1 level2 mode0") << 1.0f << 1.0f << 0.0f << 0.0f << 200 << 0 << false << 1;
        QTest::newRow("on granted4 level1 mode1") << 1.0f << 4.0f << 0.0f << 0.0f << 100 << 1 << false << 1;
        // Mode 2 always asks, whatever is granted.
        QTest::newRow("off granted4 level1 mode2") << 0.0f << 4.0f << 0.0f << 0.0f << 100 << 2 << false << 1;
        // Stop-only parameter while running: refused with a message, no password, unless company 4.
        QTest::newRow("running stop-only") << 0.0f << 4.0f << 2.0f << 0.0f << 310 << 0 << false << 0;
        QTest::newRow("running stop-only company4") << 1.0f << 4.0f << 2.0f << 4.0f << 310 << 0 << true << 0;
        QTest::newRow("stopped stop-only") << 1.0f << 3.0f << 0.0f << 0.0f << 310 << 0 << true << 0;
    }

    void decisionTable()
    {
        QFETCH(float, protection);
        QFETCH(float, granted);
        QFETCH(float, state);
        QFETCH(float, company);
        QFETCH(int, id);
        QFETCH(int, mode);
        QFETCH(bool, expected);
        QFETCH(int, prompts);
        setup(protection, granted, state, company);
        QCOMPARE(MainApplication::getInstance()->isAccess(nullptr, id, mode, QString()), expected);
        QCOMPARE(passwordPrompts(), prompts);
        const bool stopMessage = !DialogGate::records().isEmpty()
            && DialogGate::records().first().text == QStringLiteral("Для изменения остановите двигатель!");
        QCOMPARE(stopMessage, id == 310 && state != 0.0f && company != 4.0f);
    }

    void rightPasswordGrantsTheLevel()
    {
        setup(1.0f, 0.0f, 0.0f, 0.0f);
        QSignalSpy writes(MainApplication::getInstance()->params(), &Parameters::signalParamWrite);
        DialogGate::setNextAnswer(QStringLiteral("1234"));  // wrong password
        QVERIFY(!MainApplication::getInstance()->isAccess(nullptr, 300, 0, QString()));
        DialogGate::setNextAnswer(QStringLiteral("3333"));
        QVERIFY(MainApplication::getInstance()->isAccess(nullptr, 300, 0, QString()));
        bool granted = false;
        for (const auto& w : writes)
            granted = granted || (w.at(0).toUInt() == 572 && w.at(1).toUInt() == 0x40400000u);  // 3.0f
        QVERIFY(granted);
    }

    void unknownParameterIsRefused()
    {
        setup(0.0f, 4.0f, 0.0f, 0.0f);
        QVERIFY(!MainApplication::getInstance()->isAccess(nullptr, 9999, 0, QString()));
        QCOMPARE(passwordPrompts(), 0);
    }
};

RVK_TEST_MAIN(TestAccess)
#include "tst_access.moc"
