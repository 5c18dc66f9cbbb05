#include "scada/scada.h"
#include "scada/scadafactory.h"
#include "scada/scadatesthelpers.h"
#include "support/simstation.h"
#include "support/testmain.h"

using namespace scadatest;

namespace {

// Writable registers left out: a command register reads the idle command (0) and takes only the command (1);
// register 449 of the maker's map writes the station serial number p550, which the catalogue keeps read-only.
const struct {
    int profile;
    quint16 address;
} kLeftOut[] = {
    {1, 119},  // the maker's map: the start command (p593)
    {1, 121},  // the stop command (p592)
    {1, 122},  // the command p774
    {1, 449},  // p550
    {11, 1},   // Dez: the stop command (p592)
};

bool isLeftOut(int profile, quint16 address)
{
    for (const auto& c : kLeftOut) {
        if (c.profile == profile && c.address == address)
            return true;
    }
    return false;
}

QVector<quint16> words(const QByteArray& hex)
{
    QVector<quint16> out;
    for (int k = 0; k + 4 <= hex.size(); k += 4)
        out.append(static_cast<quint16>(hex.mid(k, 4).toUInt(nullptr, 16)));
    return out;
}

// The register words of a raw value at one end of the row's write range.
QVector<quint16> rangeEnd(const ScadaParameter& row, float raw)
{
    const quint32 word =
        row.dataType == 6 ? Common::floatBits(raw) : static_cast<quint32>(static_cast<qint64>(raw));
    if (Scada::sizeDataFromTypeData(row.dataType) == 2)
        return {static_cast<quint16>(word & 0xFFFF)};
    return {static_cast<quint16>(word >> 16), static_cast<quint16>(word & 0xFFFF)};
}

} // namespace

// A master that reads a block and writes it back unchanged: on the simulated controller's start values
// every writable register of every map takes the value it reads, and the controller takes what follows.
class TestScadaWriteBack : public QObject
{
    Q_OBJECT
private slots:
    void everyWritableRowTakesBackWhatItReads_data()
    {
        QTest::addColumn<int>("profile");
        for (int code : ScadaFactory::codes())
            QTest::newRow(qPrintable(QStringLiteral("profile %1").arg(code))) << code;
    }

    void everyWritableRowTakesBackWhatItReads()
    {
        QFETCH(int, profile);
        SimStation station(QString(), SimStation::Clock::Manual);
        QVERIFY(station.start());
        QScopedPointer<Scada> map(ScadaFactory::create(profile, station.params()));
        QVERIFY(map);
        map->buildTable();
        map->calcParamsStart();
        const int refusedBefore = station.sim()->writesRefused();

        QStringList faults;
        for (int i = 0; i < map->rowCount(); ++i) {
            const ScadaParameter& row = map->rows()[i];
            const int size = Scada::sizeDataFromTypeData(row.dataType);
            if ((row.operation != 2 && row.operation != 3) || size < 0 || isLeftOut(profile, row.address))
                continue;
            const QByteArray hex = read(*map, row.address, static_cast<quint16>(size / 2));
            if (write(*map, row.address, words(hex)) == MB_ERR_NONE)
                continue;
            // A row refused whatever is written (reserved, or a map that takes no writes) is no fault here.
            if (write(*map, row.address, rangeEnd(row, row.min)) == MB_ERR_NONE
                || write(*map, row.address, rangeEnd(row, row.max)) == MB_ERR_NONE)
                faults << QStringLiteral("%1 (p%2) reads %3, takes %4..%5")
                              .arg(row.address)
                              .arg(row.paramId)
                              .arg(QString::fromLatin1(hex))
                              .arg(double(row.min))
                              .arg(double(row.max));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // The controller takes every value written back.
        QVERIFY(station.advance(3000));
        QCOMPARE(station.sim()->writesRefused(), refusedBefore);
    }
};

RVK_TEST_MAIN(TestScadaWriteBack)
#include "tst_scadawriteback.moc"
