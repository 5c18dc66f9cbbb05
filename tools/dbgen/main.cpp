// Builds the embedded SQLite database from the catalogue text files:
//   parameters.tsv      one parameter per line (names live in texts/param_names.inc only)
//   motors_etalon.tsv   one reference motor per line
// Usage: rvk_dbgen <folder with .tsv files> <output .sqlite>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <QVariant>

#include <cstdio>

namespace {

const char* kParametersSchema =
    "CREATE TABLE parameters (id INTEGER PRIMARY KEY, access INTEGER NOT NULL, operation INTEGER NOT NULL,"
    " physic INTEGER NOT NULL, unit_out INTEGER NOT NULL, mask TEXT NOT NULL, discret INTEGER NOT NULL,"
    " min REAL NOT NULL, max REAL NOT NULL, def REAL NOT NULL, vtype INTEGER NOT NULL, kind INTEGER NOT NULL)";

const char* kMotorsSchema =
    "CREATE TABLE motors_etalon (id INTEGER PRIMARY KEY, name TEXT, size INTEGER, power REAL, voltage REAL,"
    " current REAL, cos_phi REAL, rpm REAL, freq REAL, poles REAL, indunstance REAL, active_resist REAL,"
    " emf REAL, f_run REAL, base_frequency REAL, coef_norm_uf REAL, low_lim_speed REAL)";

bool fail(const QString& text)
{
    std::fprintf(stderr, "rvk_dbgen: %s\n", qPrintable(text));
    return false;
}

// Loads a tab-separated file whose first line names the columns of `table`.
bool loadTable(QSqlDatabase& db, const QString& path, const QString& table, bool required)
{
    QFile file(path);
    if (!file.exists())
        return required ? fail(QStringLiteral("missing %1").arg(path)) : true;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(path));
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QStringList columns;
    QSqlQuery insert(db);
    int lineNo = 0;
    db.transaction();
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split('\t');
        if (columns.isEmpty()) {
            columns = fields;
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(table, columns.join(','), marks.join(','))))
                return fail(QStringLiteral("%1: %2").arg(path, insert.lastError().text()));
            continue;
        }
        if (fields.size() != columns.size())
            return fail(QStringLiteral("%1:%2: %3 fields, expected %4").arg(path).arg(lineNo).arg(fields.size()).arg(columns.size()));
        for (int i = 0; i < fields.size(); ++i)
            insert.bindValue(i, fields.at(i));
        if (!insert.exec())
            return fail(QStringLiteral("%1:%2: %3").arg(path).arg(lineNo).arg(insert.lastError().text()));
    }
    return db.commit() || fail(db.lastError().text());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: rvk_dbgen <catalogue folder> <output.sqlite>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QFile::remove(out);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dbgen"));
        db.setDatabaseName(out);
        if (!db.open())
            return fail(db.lastError().text()) ? 0 : 1;
        QSqlQuery q(db);
        ok = q.exec(kParametersSchema) && q.exec(kMotorsSchema);
        if (!ok)
            fail(q.lastError().text());
        ok = ok && loadTable(db, dir + QStringLiteral("/parameters.tsv"), QStringLiteral("parameters"), true);
        ok = ok && loadTable(db, dir + QStringLiteral("/motors_etalon.tsv"), QStringLiteral("motors_etalon"), true);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dbgen"));
    if (!ok) {
        QFile::remove(out);
        return 1;
    }
    return 0;
}
