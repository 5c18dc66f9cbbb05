#include <functional>

#include "scada/scada.h"
#include "scada/scadafactory.h"
#include "scada/scadatesthelpers.h"
#include "support/testmain.h"

Q_DECLARE_METATYPE(ScadaRow)

using namespace scadatest;

namespace {

// What each register map's table states about itself: its row count, and the register addresses that
// its table places at or before the end of the row in front of them (a two-register row whose second
// register has a row of its own, a row out of order). Every registered profile has a line here.
struct Shape {
    int profile;
    int rows;
    QVector<int> outOfOrder;
};

const Shape kShapes[] = {
    {3, 76, {}},  // ScadaVuduzu2000
    {7, 256, {}},  // ScadaDoveduvivedodi
    {10, 653, {}},  // ScadaRuzidarIrirud
    {9, 403, {}},  // ScadaRiZovo
    {4, 184, {}},  // ScadaDovedera
    {2, 180, {}},  // ScadaZevovo30
    {8, 180, {}},  // ScadaZevovo30
    {12, 180, {}},  // ScadaZevovo30
    {5, 482, {}},  // ScadaZizedu
    {6, 295, {}},  // ScadaZevodorar
    {11, 21, {}},  // ScadaDez
    {1, 892, {186, 188, 494, 4099}},  // ScadaValdrin
};

// A map whose table the test gives as lines.
class LinesMap : public Scada
{
public:
    explicit LinesMap(std::function<void(LinesMap&)> fill) : fill_(std::move(fill)) { buildTable(); }
    using Scada::fillTable;

protected:
    void initParameters() override { fill_(*this); }

private:
    std::function<void(LinesMap&)> fill_;
};

// Rows as "address:id", a coil row marked "c", a two-register row "+".
QByteArray describe(const Scada& map)
{
    QByteArrayList out;
    for (int i = 0; i < map.rowCount(); ++i) {
        const ScadaParameter& r = map.rows()[i];
        QByteArray s = QByteArray::number(r.address) + ':' + QByteArray::number(r.paramId);
        if (r.dataType == 7)
            s += 'c';
        else if (Scada::sizeDataFromTypeData(r.dataType) == 4)
            s += '+';
        out << s;
    }
    return out.join(' ');
}

constexpr ScadaRow R = ScadaRow().op(2).range(0, 65535);
constexpr ScadaRow kLines[] = {
    R.at(64).type(7),
    R.at(1).id(580),
    R.at(5),
    R.at(9, 10).ids(20, 21),
};
constexpr ScadaRow kApart[] = {
    R.at(65).type(7),
    R.at(0).reserved(),
    R.at(3, 4).reserved(),
    R.at(11).reserved(),
};

} // namespace

class TestScadaTables : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { mirror(); }

    void everyProfile_data()
    {
        QTest::addColumn<int>("profile");
        const QList<int> codes = ScadaFactory::codes();
        QVERIFY(codes.contains(3));
        for (int code : codes)
            QTest::newRow(qPrintable(QStringLiteral("profile %1").arg(code))) << code;
    }

    void everyProfile()
    {
        QFETCH(int, profile);
        const Shape* shape = nullptr;
        for (const Shape& s : kShapes)
            shape = s.profile == profile ? &s : shape;
        QVERIFY2(shape, "a registered profile without a line in kShapes");

        QScopedPointer<Scada> map(ScadaFactory::create(profile, mirror()));
        QVERIFY(map);
        map->buildTable();
        QCOMPARE(map->rowCount(), shape->rows);

        const ScadaParameter* rows = map->rows();
        int coils = 0;
        while (coils < map->rowCount() && rows[coils].dataType == 7)
            ++coils;
        QCOMPARE(map->startIndex(), coils < map->rowCount() ? coils : 0);
        QVector<int> outOfOrder;
        int next = -1;  // the first address after the row in front
        for (int i = coils; i < map->rowCount(); ++i) {
            QVERIFY2(rows[i].dataType != 7,
                     qPrintable(QStringLiteral("coil row %1 behind a register row").arg(rows[i].address)));
            // Misplaced: inside the row in front, or not what a register lookup finds.
            if (rows[i].address < next || map->getIndexAtAddress(rows[i].address + 1, 0) != i)
                outOfOrder.append(rows[i].address);
            next = rows[i].address + qMax(1, Scada::sizeDataFromTypeData(rows[i].dataType) / 2);
        }
        auto text = [](const QVector<int>& addresses) {
            QStringList out;
            for (int a : addresses)
                out << QString::number(a);
            return out.join(QLatin1Char(' '));
        };
        QCOMPARE(text(outOfOrder), text(shape->outOfOrder));

        // A computed register that the table lacks would warn on every refresh.
        static int misses;
        misses = 0;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
                misses += m.contains(QLatin1String("not found Register"));
            });
        map->calcParamsStart();
        qInstallMessageHandler(previous);
        QCOMPARE(misses, 0);
    }

    void builderExpandsLines_data()
    {
        QTest::addColumn<QVector<ScadaRow>>("lines");
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<int>("refused");  // lines that do not agree with themselves
        QTest::newRow("ids rise along a run") << QVector<ScadaRow>{{{258, 260}, {709, 711}, 1, 8, 0, 4, 1, 0, 500}}
                                              << QByteArray("258:709 259:710 260:711") << 0;
        QTest::newRow("0 and -1 stay") << QVector<ScadaRow>{R.at(249, 250).computed(), R.at(251, 252).reserved()}
                                       << QByteArray("249:0 250:0 251:-1 252:-1") << 0;
        QTest::newRow("two-register rows")
            << QVector<ScadaRow>{R.at(27).id(10013).type(5), R.at(40042, 40045).ids(20028, 20029).type(5)}
            << QByteArray("27:10013+ 40042:20028+ 40044:20029+") << 0;
        QTest::newRow("coil run") << QVector<ScadaRow>{R.at(64, 65).type(7), R.at(0)}
                                  << QByteArray("64:0c 65:0c 0:0") << 0;
        QTest::newRow("kept in the given order") << QVector<ScadaRow>{R.at(7), R.at(3), R.at(9).type(7)}
                                                 << QByteArray("7:0 3:0 9:0c") << 0;
        QTest::newRow("inconsistent lines")
            << QVector<ScadaRow>{R.at(1), R.at(10, 12).ids(1, 2), R.at(10, 12).type(5), R.at(10, 11).id(5),
                                 R.at(12, 10), R.at(70000), R.at(2).id(-2), R.at(3)}
            << QByteArray("1:0 3:0") << 6;
        QTest::newRow("empty") << QVector<ScadaRow>{} << QByteArray() << 0;
    }

    void builderExpandsLines()
    {
        QFETCH(QVector<ScadaRow>, lines);
        QFETCH(QByteArray, rows);
        QFETCH(int, refused);
        for (int i = 0; i < refused; ++i)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Scada: table line \\d+ .* does not agree"));
        LinesMap map([&lines](LinesMap& m) { m.fillTable(lines); });
        QCOMPARE(describe(map), rows);
    }

    void builderTakesEveryColumnAndMergesALineListApart()
    {
        // The columns of a full line land in their fields; values start at 0.
        LinesMap one([](LinesMap& m) {
            m.fillTable(QVector<ScadaRow>{{258, 2, 1, 9, 3, 12, 0.1, -5, 4294967295.0}});
        });
        QCOMPARE(one.rowCount(), 1);
        const ScadaParameter& r = one.rows()[0];
        QCOMPARE(r.address, quint16(258));
        QCOMPARE(r.paramId, qint16(2));
        QCOMPARE(r.operation, quint8(1));
        QCOMPARE(r.physic, quint8(9));
        QCOMPARE(r.unit, quint8(3));
        QCOMPARE(r.dataType, quint8(12));
        QCOMPARE(r.coefficient, 0.1f);
        QCOMPARE(r.min, -5.0f);
        QCOMPARE(r.max, 4294967295.0f);
        QCOMPARE(r.value, 0.0f);

        // A second list is merged by address, behind the coil rows of both.
        LinesMap merged([](LinesMap& m) { m.fillTable(kLines, kApart); });
        QCOMPARE(describe(merged), QByteArray("64:0c 65:0c 0:-1 1:580 3:-1 4:-1 5:0 9:20 10:21 11:-1"));
        QCOMPARE(merged.startIndex(), 2);
        QCOMPARE(merged.rows()[3].operation, quint8(2));
        QCOMPARE(merged.rows()[3].max, 65535.0f);
    }
};

RVK_TEST_MAIN(TestScadaTables)
#include "tst_scadatables.moc"
