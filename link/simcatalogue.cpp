#include "link/simcatalogue.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtDebug>

QVector<McSimCore::ParamSeed> SimCatalogue::fromDatabase()
{
    QVector<McSimCore::ParamSeed> seeds;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("SELECT id, operation, physic, discret, min, max, def, vtype, kind FROM parameters ORDER BY id"))) {
        qCritical() << "SimCatalogue: cannot read the catalogue:" << q.lastError().text();
        return seeds;
    }
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (id < 0 || id > 0xFFFF)
            continue;
        McSimCore::ParamSeed s;
        s.id = static_cast<quint16>(id);
        s.operation = static_cast<quint8>(q.value(1).toUInt());
        s.physic = static_cast<quint8>(q.value(2).toUInt());
        s.discret = static_cast<quint16>(qBound(1u, q.value(3).toUInt(), 65535u));
        s.min = q.value(4).toFloat();
        s.max = q.value(5).toFloat();
        s.def = q.value(6).toFloat();
        s.vtype = static_cast<quint8>(q.value(7).toUInt());
        s.kind = static_cast<quint8>(q.value(8).toUInt());
        seeds.append(s);
    }
    return seeds;
}

std::shared_ptr<McSimCore> SimCatalogue::createController()
{
    auto core = std::make_shared<McSimCore>();
    core->seed(fromDatabase());
    const QString values = qEnvironmentVariable("RVK_SIM_VALUES");
    QString error;
    if (!values.isEmpty() && !core->applyValues(values, &error))
        qWarning().noquote() << "RVK_SIM_VALUES ignored:" << error;
    return core;
}
