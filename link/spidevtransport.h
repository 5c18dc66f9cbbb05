#pragma once

#include <QString>

#include "link/linktransport.h"

// The Linux SPI device of the board (/dev/spidev0.0): mode 0, 8 bits, 2 MHz.
class SpidevTransport : public LinkTransport
{
public:
    static constexpr const char* kDefaultPath = "/dev/spidev0.0";

    explicit SpidevTransport(const QString& path = QString::fromLatin1(kDefaultPath));
    ~SpidevTransport() override;

    bool open(QString* error) override;
    void close() override;
    bool exchange(const QByteArray& tx, QByteArray* rx, int timeoutMs) override;

private:
    bool transfer(const char* tx, char* rx, int length);

    QString path_;
    int fd_ = -1;
};
