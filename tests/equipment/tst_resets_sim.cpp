// The link and energy resets of the meter and sensor screens carried out by the simulated main controller: the
// counters of the command, and only those, read 0 again.
#include <QtTest>

#include "app/parameters.h"
#include "equipment/dhs_connect_form.h"
#include "equipment/em_connect_form.h"
#include "equipment/energy_consumption_form.h"
#include "support/simstation.h"
#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/mainwindow.h"

class TestResetsSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        station_.reset(new SimStation(QStringLiteral("571=0;572=0;39=16;"
                                                     "902=11;907=12;988=21;993=22;"
                                                     "20028=1500.5;20051=900;851=5"),
                                      SimStation::Clock::Manual));
        QVERIFY(station_->start());
    }
    void cleanupTestCase()
    {
        station_->stop();
        station_.reset();
    }

    void resetClearsItsCounters_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<quint16>("command");
        QTest::addColumn<QList<quint16>>("cleared");
        QTest::addColumn<QList<quint16>>("kept");
        QTest::newRow("sensor link") << "DhsConnectForm" << quint16(912) << QList<quint16>{902, 907}
                                     << QList<quint16>{988, 20028};
        QTest::newRow("meter link") << "EmConnectForm" << quint16(998) << QList<quint16>{988, 993}
                                    << QList<quint16>{20028};
        QTest::newRow("energy") << "EnergyConsumptionForm" << quint16(852) << QList<quint16>{20028, 20051}
                                << QList<quint16>{851};
    }
    void resetClearsItsCounters()
    {
        QFETCH(QString, screen);
        QFETCH(quint16, command);
        QFETCH(QList<quint16>, cleared);
        QFETCH(QList<quint16>, kept);
        UiFixture ui;
        BaseForm* form = screen == "DhsConnectForm"  ? static_cast<BaseForm*>(new DhsConnectForm)
                         : screen == "EmConnectForm" ? static_cast<BaseForm*>(new EmConnectForm)
                                                     : static_cast<BaseForm*>(new EnergyConsumptionForm);
        ui.window()->addForm(form, 0);
        for (quint16 id : cleared)
            QVERIFY(ui.params()->get(id) > 0.0f);
        QList<float> keptValues;
        for (quint16 id : kept)
            keptValues << ui.params()->get(id);

        DialogGate::setNextAnswer(1);
        form->setCurrentRow(form->rowCount() - 1);
        QTest::keyClick(form->currentWidget(), Qt::Key_Return);
        for (quint16 id : cleared)
            QVERIFY2(SimStation::waitForValue(id, 0.0f), qPrintable(QString::number(id)));
        // The command that cleared them is back at rest.
        QCOMPARE(station_->sim()->value(command), 0.0f);
        for (int i = 0; i < kept.size(); ++i)
            QCOMPARE(station_->sim()->value(kept.at(i)), keptValues.at(i));
    }

private:
    QScopedPointer<SimStation> station_;
};

RVK_TEST_MAIN(TestResetsSim)
#include "tst_resets_sim.moc"
