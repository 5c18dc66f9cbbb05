#include "app/database.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QtDebug>

bool Database::install(const QString& dir, QString* error)
{
    const QString path = QDir(dir).filePath(kFileName);
    auto fail = [error](const QString& text) {
        qCritical() << "Database:" << text;
        if (error)
            *error = text;
        return false;
    };

    if (QSqlDatabase::contains(QSqlDatabase::defaultConnection))
        close();
    if (QFile::exists(path)) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (!QFile::remove(path))
            return fail(QStringLiteral("cannot replace %1").arg(path));
    }
    if (!QFile::copy(QStringLiteral(":/db/rvk_gui.sqlite"), path))
        return fail(QStringLiteral("cannot copy the embedded database to %1").arg(path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open())
        return fail(QStringLiteral("cannot open %1: %2").arg(path, db.lastError().text()));
    return true;
}

void Database::close()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}
