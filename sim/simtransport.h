#pragma once

#include <memory>

#include "link/linktransport.h"

class McSimCore;

// The simulated main controller behind the transport interface: each exchange runs the
// controller synchronously on the calling (SPI) thread.
class SimTransport : public LinkTransport
{
public:
    explicit SimTransport(std::shared_ptr<McSimCore> core);

    bool open(QString* error) override;
    void close() override;
    bool exchange(const QByteArray& tx, QByteArray* rx, int timeoutMs) override;

    McSimCore* core() const { return core_.get(); }

private:
    std::shared_ptr<McSimCore> core_;
};
