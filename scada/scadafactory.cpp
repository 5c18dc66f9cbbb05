#include "scada/scadafactory.h"

#include <QHash>
#include <QMutex>

#include <algorithm>

namespace {

QHash<int, ScadaFactory::Creator>& registry()
{
    static QHash<int, ScadaFactory::Creator> creators;
    return creators;
}

QMutex& registryLock()
{
    static QMutex lock;
    return lock;
}

} // namespace

void ScadaFactory::registerProfile(int code, Creator creator)
{
    QMutexLocker locker(&registryLock());
    registry().insert(code, std::move(creator));
}

Scada* ScadaFactory::create(int code, Parameters* params, Scada::SpiFunnel spi)
{
    Creator creator;
    {
        QMutexLocker locker(&registryLock());
        creator = registry().value(code);
    }
    Scada* map = creator ? creator() : nullptr;
    if (map)
        map->attach(params, std::move(spi));
    return map;
}

bool ScadaFactory::has(int code)
{
    QMutexLocker locker(&registryLock());
    return registry().contains(code);
}

QList<int> ScadaFactory::codes()
{
    QMutexLocker locker(&registryLock());
    QList<int> codes = registry().keys();
    std::sort(codes.begin(), codes.end());
    return codes;
}
