#include "scada/scadafactory.h"

#include <QHash>
#include <QMutex>

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

Scada* ScadaFactory::create(int code)
{
    Creator creator;
    {
        QMutexLocker locker(&registryLock());
        creator = registry().value(code);
    }
    return creator ? creator() : nullptr;
}

bool ScadaFactory::has(int code)
{
    QMutexLocker locker(&registryLock());
    return registry().contains(code);
}
