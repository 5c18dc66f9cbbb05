#include "sim/simtransport.h"

#include "sim/mcsimcore.h"

SimTransport::SimTransport(std::shared_ptr<McSimCore> core)
    : core_(std::move(core))
{
}

bool SimTransport::open(QString* error)
{
    if (!core_ && error)
        *error = QStringLiteral("no simulated controller");
    return core_ != nullptr;
}

void SimTransport::close() {}

bool SimTransport::exchange(const QByteArray& tx, QByteArray* rx, int)
{
    *rx = core_ ? core_->exchange(tx) : QByteArray();
    return !rx->isEmpty();
}
