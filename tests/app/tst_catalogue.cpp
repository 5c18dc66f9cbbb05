#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "app/database.h"
#include "app/parameters.h"
#include "sim/mcsimresets.h"
#include "support/testmain.h"
#include "texts/common.h"

namespace {

struct NameRow
{
    int id;
    const char* name;
};

const NameRow kNames[] = {
#include "texts/param_names.inc"
};

struct Row
{
    int id, access, operation, physic, vtype, kind;
    double min, max, def;
    QString mask;
    int discret;
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QMap<int, Row> rows_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QString error;
        QVERIFY2(Database::install(dir_.path(), &error), qPrintable(error));
        QSqlQuery q;
        QVERIFY2(q.exec("SELECT id, access, operation, physic, vtype, kind, min, max, def, mask, discret FROM parameters"),
                 qPrintable(q.lastError().text()));
        while (q.next()) {
            Row r{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt(),
                  q.value(5).toInt(), q.value(6).toDouble(), q.value(7).toDouble(), q.value(8).toDouble(),
                  q.value(9).toString(), q.value(10).toInt()};
            QVERIFY2(!rows_.contains(r.id), qPrintable(QString::number(r.id)));
            rows_.insert(r.id, r);
        }
        QVERIFY(rows_.size() > 1500);
    }

    void cleanupTestCase() { Database::close(); }

    void everyRowIsWithinItsDomain()
    {
        for (const Row& r : qAsConst(rows_)) {
            const QByteArray at = QByteArray::number(r.id);
            QVERIFY2(r.id >= 0 && r.id <= 65535, at);
            QVERIFY2(r.access >= 0 && r.access <= 4, at);
            QVERIFY2(r.operation >= 1 && r.operation <= 3, at);
            QVERIFY2(r.physic >= 0 && r.physic <= 32, at);
            QVERIFY2(r.vtype == 0 || r.vtype == 1, at);
            QVERIFY2(r.kind >= 0 && r.kind <= 3, at);
            QVERIFY2(r.min <= r.def && r.def <= r.max, at);
            QVERIFY2(!r.mask.isEmpty(), at);
            // discret is 10 to the number of decimals of the mask
            const int point = r.mask.lastIndexOf('.');
            const int decimals = (point < 0 || r.mask.startsWith("TE")) ? 0 : r.mask.size() - point - 1;
            int expected = 1;
            for (int i = 0; i < decimals; ++i)
                expected *= 10;
            QVERIFY2(r.discret == expected, at);
            QVERIFY2(r.discret <= 10000, at);  // ParameterDef keeps it in 16 bits
            if (r.physic == 1)
                QVERIFY2(r.vtype == 1, at);
            if (r.kind == 2)  // a command the controller refuses to take is useless
                QVERIFY2(r.operation != 1, at);
            if (r.vtype == 1)
                QVERIFY2(r.min >= 0 && r.max <= 4294967295.0, at);
        }
    }

    void statedFactsHold()
    {
        QCOMPARE(rows_.value(685).access, 3);
        QCOMPARE(rows_.value(685).operation, 3);
        for (int id : {594, 595, 596})
            QCOMPARE(rows_.value(id).access, 1);
        const int passwords[] = {1111, 2222, 3333, 4444};
        for (int i = 0; i < 4; ++i) {
            const Row r = rows_.value(573 + i);
            QCOMPARE(r.access, 4);
            QCOMPARE(r.def, double(passwords[i]));
            QCOMPARE(r.min, 0.0);
            QCOMPARE(r.max, 9999.0);
        }
        QCOMPARE(rows_.value(571).def, 1.0);
        QCOMPARE(rows_.value(572).max, 4.0);
        QCOMPARE(rows_.value(578).max, 12.0);
        QCOMPARE(rows_.value(580).min, 1.0);
        QCOMPARE(rows_.value(580).max, 247.0);
        QCOMPARE(rows_.value(13).kind, 1);
        QCOMPARE(rows_.value(562).vtype, 1);
        QCOMPARE(rows_.value(1476).max, 2000.0);
        // only ever shown read-only by the register maps
        for (int id : {5, 6, 7, 9, 11, 16, 10001, 10004, 15002, 15003})
            QVERIFY2(rows_.value(id).operation == 1, QByteArray::number(id));
        // written by the panel itself: the granted level, the compressed-log command and size
        // and through the register maps
        for (int id : {572, 1181, 1183, 43, 580, 720, 10002, 10025})
            QVERIFY2(rows_.value(id).operation != 1, QByteArray::number(id));
    }

    // The reset commands are commands the controller takes, and what they restore are writable settings.
    void resetCommandsAndTheirSettings()
    {
        QVERIFY(rows_.value(McSimResets::kResetAll).max >= McSimResets::kResetAllValue);
        for (const McSimResets::Reset& reset : McSimResets::table()) {
            const Row& r = rows_[reset.id];
            QVERIFY2(r.kind == 2 && r.operation != 1 && r.min <= 1.0 && r.max >= 1.0, QByteArray::number(reset.id));
            for (quint16 id : reset.settings) {
                QVERIFY2(rows_.contains(id) && rows_[id].kind == 0 && rows_[id].operation != 1,
                         QByteArray::number(id));
            }
        }
    }

    void namesLiveOnlyInTheNameTable()
    {
        // A name column in the database would be a second copy that can drift from the table.
        QSqlQuery q;
        QVERIFY(q.exec("PRAGMA table_info(parameters)"));
        QStringList columns;
        while (q.next())
            columns << q.value(1).toString();
        QVERIFY(columns.contains("mask"));
        for (const QString& column : qAsConst(columns))
            QVERIFY2(!column.contains("name"), qPrintable(column));

        int previous = -1;
        for (const NameRow& n : kNames) {
            QVERIFY2(n.id > previous, QByteArray::number(n.id));
            QVERIFY2(rows_.contains(n.id), QByteArray::number(n.id));
            QVERIFY2(qstrlen(n.name) > 0, QByteArray::number(n.id));
            previous = n.id;
        }
    }

    void displayMasks_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("overvoltage setpoint, whole percent") << 50 << "999" << 112.4f << "112";
        QTest::newRow("motor phase current A") << 2 << "9999.9" << 12.34f << "12.3";
        QTest::newRow("motor phase current C") << 4 << "9999.9" << 0.06f << "0.1";
        QTest::newRow("input phase current") << 857 << "9999.99" << 12.345f << "12.35";
        QTest::newRow("output current coefficient") << 511 << "99.999" << 1.0f << "1.000";
        QTest::newRow("input voltage coefficient") << 508 << "9.999" << 0.9876f << "0.988";
        QTest::newRow("line voltage") << 709 << "999999" << 380.4f << "380";
        QTest::newRow("energy of the day") << 20030 << "9999.99" << 7.5f << "7.50";
    }

    // The mask fixes the decimals a row shows; discret follows it (checked for every row above).
    void displayMasks()
    {
        QFETCH(int, id);
        QFETCH(QString, mask);
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(rows_.value(id).mask, mask);
        Parameters params;
        QVERIFY(params.load());
        const ParameterDef* def = params.getParameter(static_cast<quint16>(id));
        QVERIFY(def);
        unTypeData data;
        data.f = value;
        QCOMPARE(Common::getTextValue(data, def, true, false), text);
    }

    void mirrorLoadsEveryRow()
    {
        Parameters params;
        QVERIFY(params.load());
        QCOMPARE(params.ids().size(), rows_.size());
        const ParameterDef* def = params.getParameter(573);
        QVERIFY(def);
        QCOMPARE(def->access, quint8(4));
        QCOMPARE(def->max, 9999.0f);
    }
};

RVK_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
