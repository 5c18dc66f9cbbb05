#include <QtTest>

#include <QComboBox>
#include <QLineEdit>

#include "app/mainapplication.h"
#include "app/parameters.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/basecombobox.h"
#include "ui/baseeditwidget.h"
#include "ui/baseform.h"
#include "ui/mainwindow.h"

namespace {

class SimRowsForm : public BaseForm
{
    Q_OBJECT
public:
    SimRowsForm() : BaseForm(nullptr, true) {}
    void createForm() override
    {
        addEdit(40);
        PairList types;
        types.append(0, QStringLiteral("Нет"));
        types.append(1, QStringLiteral("Первый"));
        types.append(2, QStringLiteral("Второй"));
        addComboBox(39, types);
    }
    void returnBackForm() override {}
};

} // namespace

// Rows writing through the link to the simulated main controller.
class TestRowsSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Flow 48 m3/day shown in m3/h (setting 589); passwords on, no level granted.
        station_.reset(new SimStation(QStringLiteral("40=48;589=1;39=0;571=1;572=0;13=0"), SimStation::Clock::Manual));
        QVERIFY(station_->start());
    }
    void cleanupTestCase()
    {
        station_->stop();
        station_.reset();
    }

    void editRowOverTheLink()
    {
        UiFixture ui;
        auto* form = new SimRowsForm;
        ui.window()->addForm(form, 0);
        auto* row = qobject_cast<BaseEditWidget*>(form->rowAt(0));
        QVERIFY(row);
        QSignalSpy writes(ui.params(), &Parameters::signalParamWrite);
        QTRY_COMPARE(row->valueText(), QStringLiteral("2.0"));

        // Refused access: no password given, nothing sent.
        QTest::keyClick(form, Qt::Key_Return);
        QVERIFY(!row->isEditing());
        QCOMPARE(writes.count(), 0);

        // Passwords off: level 1 settings open without one.
        station_->sim()->setValue(571, 0.0f);
        QVERIFY(SimStation::waitForValue(571, 0.0f));
        QTest::keyClick(form, Qt::Key_Return);
        QVERIFY(row->isEditing());
        // 100 m3/h is 2400 m3/day, above the limit of 2000.
        row->lineEdit()->setText(QStringLiteral("100"));
        QTest::keyClick(row->lineEdit(), Qt::Key_Return);
        QCOMPARE(row->state(), int(BaseParamWidget::StateWarningSelected));
        QCOMPARE(writes.count(), 0);

        QTest::keyClick(form, Qt::Key_Return);
        row->lineEdit()->setText(QStringLiteral("3.5"));
        QTest::keyClick(row->lineEdit(), Qt::Key_Return);
        QCOMPARE(writes.count(), 1);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(40));
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
        // The mirror keeps its value until the controller reports the applied one.
        QCOMPARE(ui.params()->get(40), 48.0f);
        QCOMPARE(row->valueText(), QStringLiteral("2.0"));
        QVERIFY(SimStation::waitForValue(40, 84.0f));
        QCOMPARE(station_->sim()->value(40), 84.0f);
        QTRY_COMPARE(row->valueText(), QStringLiteral("3.5"));
        QCOMPARE(writes.count(), 1);
    }

    void comboRowOverTheLink()
    {
        UiFixture ui;
        auto* form = new SimRowsForm;
        ui.window()->addForm(form, 0);
        auto* row = qobject_cast<BaseComboBox*>(form->rowAt(1));
        QVERIFY(row);
        station_->sim()->setValue(39, 7.0f);
        QVERIFY(SimStation::waitForValue(39, 7.0f));
        QTRY_COMPARE(row->currentText(), QStringLiteral("7 "));
        QVERIFY(row->choose(2));
        QVERIFY(SimStation::waitForValue(39, 2.0f));
        QTRY_COMPARE(row->comboBox()->count(), 3);
        QCOMPARE(row->currentText(), QStringLiteral("Второй"));
    }

private:
    QScopedPointer<SimStation> station_;
};

RVK_TEST_MAIN(TestRowsSim)
#include "tst_rows_sim.moc"
