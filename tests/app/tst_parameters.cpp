#include <QSignalSpy>

#include <cmath>
#include <cstring>

#include "app/parameters.h"
#include "app/parametershandler.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

ParameterDef def(quint16 id, quint8 physic = 0)
{
    ParameterDef d;
    d.id = id;
    d.physic = physic;
    d.valid = true;
    return d;
}

} // namespace

class TestParameters : public QObject
{
    Q_OBJECT
private slots:
    void setOverloadsSendTheDocumentedBitPatterns()
    {
        Parameters p;
        QSignalSpy writes(&p, &Parameters::signalParamWrite);
        QCOMPARE(p.set(10, 1), 0);                  // int: sent as the float 1.0
        QCOMPARE(p.set(10, 1.5f), 0);               // float: its bits
        QCOMPARE(p.set(10, 0xDEADBEEFu, 3), 0);     // unsigned: unchanged
        QCOMPARE(p.set(10, 2.0, 2), 0);             // double: as the float
        QCOMPARE(p.set(10, -3), 0);
        QCOMPARE(writes.size(), 5);
        QCOMPARE(writes.at(0).at(1).toUInt(), 0x3F800000u);
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
        QCOMPARE(writes.at(1).at(1).toUInt(), Common::floatBits(1.5f));
        QCOMPARE(writes.at(2).at(1).toUInt(), 0xDEADBEEFu);
        QCOMPARE(writes.at(2).at(2).toInt(), 3);
        QCOMPARE(writes.at(3).at(1).toUInt(), Common::floatBits(2.0f));
        QCOMPARE(writes.at(3).at(2).toInt(), 2);
        QCOMPARE(writes.at(4).at(1).toUInt(), Common::floatBits(-3.0f));
    }

    void writesLeaveTheMirrorAsItWas()
    {
        Parameters p;
        p.addParameter(def(20));
        p.slotParamUpdated(20, Common::floatBits(7.0f), 1);
        p.set(20, 9.0f);
        QCOMPARE(p.get(20), 7.0f);
    }

    void updatesStoreValueLimitsAndQuantity()
    {
        Parameters p;
        p.addParameter(def(30, 8));
        QSignalSpy updated(&p, &Parameters::signalParamUpdated);
        p.slotParamUpdated(30, Common::floatBits(12.5f), 1);
        p.slotParamUpdated(30, Common::floatBits(-4.0f), 7);
        p.slotParamUpdated(30, Common::floatBits(400.0f), 8);
        p.slotParamUpdated(30, 0x1209u, 15);
        const ParameterDef* d = p.getParameter(30);
        QCOMPARE(p.get(30), 12.5f);
        QCOMPARE(d->min, -4.0f);
        QCOMPARE(p.getMin(30), -4.0f);
        QCOMPARE(d->max, 400.0f);
        QCOMPARE(d->physic, quint8(0x09));
        QCOMPARE(p.get(30), 12.5f);  // limits and quantity leave the value alone
        QCOMPARE(updated.size(), 4);
        QCOMPARE(updated.at(1).at(1).toUInt(), 7u);
        QCOMPARE(updated.at(3).at(1).toUInt(), 15u);

        // The empty value: all bits set reads as NaN and marks the parameter invalid.
        p.slotParamUpdated(30, 0xFFFFFFFFu, 1);
        QVERIFY(std::isnan(p.get(30)));
        QVERIFY(!d->valid);
        QCOMPARE(p.getU32(30), 0xFFFFFFFFu);
        p.slotParamUpdated(30, Common::floatBits(1.0f), 3);
        QVERIFY(d->valid);
    }

    void unknownIdsReadZeroAndAreDropped()
    {
        Parameters p;
        QSignalSpy updated(&p, &Parameters::signalParamUpdated);
        p.slotParamUpdated(40, Common::floatBits(5.0f), 1);
        QCOMPARE(updated.size(), 0);
        QCOMPARE(p.get(40), 0.0f);
        QCOMPARE(p.getU32(40), 0u);
        QCOMPARE(p.getMin(40), 0.0f);
        QVERIFY(p.getParameter(40) == nullptr);
    }

    void unsignedCellsComeBackBitIdentical()
    {
        Parameters p;
        p.addParameter(def(562, 1));
        p.slotParamUpdated(562, 1700000000u, 1);
        QCOMPARE(p.getU32(562), 1700000000u);
        float f = p.get(562);
        quint32 back;
        std::memcpy(&back, &f, sizeof back);
        QCOMPARE(back, 1700000000u);
    }

    void handlerSequences()
    {
        Parameters p;
        for (quint16 id : {578, 594, 595, 761, 1031})
            p.addParameter(def(id));
        ParametersHandler h(&p);
        connect(&p, &Parameters::signalParamUpdated, &h, &ParametersHandler::slotParamUpdated);
        QSignalSpy profile(&h, &ParametersHandler::signalScadaProfileChanged);
        QSignalSpy copyStart(&h, &ParametersHandler::signalLogCopyStart);
        QSignalSpy copyFinish(&h, &ParametersHandler::signalLogCopyFinish);
        QSignalSpy delFinish(&h, &ParametersHandler::signalLogDelFinish);
        QSignalSpy wait(&h, &ParametersHandler::signalShowWaitDialog);
        QSignalSpy writes(&p, &Parameters::signalParamWrite);

        // 578: the first value always counts, repeats do not, limits never do.
        p.slotParamUpdated(578, Common::floatBits(0.0f), 1);
        p.slotParamUpdated(578, Common::floatBits(0.0f), 3);
        p.slotParamUpdated(578, Common::floatBits(3.0f), 7);
        p.slotParamUpdated(578, Common::floatBits(3.0f), 3);
        p.slotParamUpdated(578, Common::floatBits(3.0f), 3);
        QCOMPARE(profile.size(), 2);

        // 594: 1 starts the copy dialog, 2 writes 0 and then announces the end.
        p.slotParamUpdated(594, Common::floatBits(1.0f), 3);
        QCOMPARE(copyStart.size(), 1);
        p.slotParamUpdated(594, Common::floatBits(2.0f), 8);
        QCOMPARE(copyFinish.size(), 0);
        p.slotParamUpdated(594, Common::floatBits(2.0f), 3);
        QCOMPARE(copyFinish.size(), 1);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.at(0).at(0).toUInt(), 594u);
        QCOMPARE(writes.at(0).at(1).toUInt(), 0u);
        QCOMPARE(writes.at(0).at(2).toInt(), 1);

        // 595: only the fall from 1 to 0 ends a delete.
        p.slotParamUpdated(595, Common::floatBits(0.0f), 1);
        p.slotParamUpdated(595, Common::floatBits(2.0f), 3);
        p.slotParamUpdated(595, Common::floatBits(0.0f), 3);
        QCOMPARE(delFinish.size(), 0);
        p.slotParamUpdated(595, Common::floatBits(1.0f), 3);
        p.slotParamUpdated(595, Common::floatBits(0.0f), 15);
        QCOMPARE(delFinish.size(), 0);
        p.slotParamUpdated(595, Common::floatBits(0.0f), 3);
        QCOMPARE(delFinish.size(), 1);
        p.slotParamUpdated(595, Common::floatBits(0.0f), 3);
        QCOMPARE(delFinish.size(), 1);

        // Wait dialog parameters report show and hide.
        p.slotParamUpdated(761, Common::floatBits(1.0f), 3);
        p.slotParamUpdated(1031, Common::floatBits(0.0f), 3);
        QCOMPARE(wait.size(), 2);
        QCOMPARE(wait.at(0).at(0).toUInt(), 761u);
        QCOMPARE(wait.at(0).at(1).toBool(), true);
        QCOMPARE(wait.at(1).at(1).toBool(), false);
    }
};

RVK_TEST_MAIN(TestParameters)
#include "tst_parameters.moc"
