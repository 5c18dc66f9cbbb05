#include "link/spidevtransport.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/spi/spidev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "link/linkcodec.h"
#include "texts/common.h"

namespace {

constexpr quint32 kSpeedHz = 2000000;
constexpr int kChunk = 64;

} // namespace

SpidevTransport::SpidevTransport(const QString& path)
    : path_(path)
{
}

SpidevTransport::~SpidevTransport()
{
    close();
}

bool SpidevTransport::open(QString* error)
{
    close();
    fd_ = ::open(path_.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path_, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    quint8 mode = SPI_MODE_0;
    quint8 bits = 8;
    quint32 speed = kSpeedHz;
    if (::ioctl(fd_, SPI_IOC_WR_MODE, &mode) < 0 || ::ioctl(fd_, SPI_IOC_WR_BITS_PER_WORD, &bits) < 0
        || ::ioctl(fd_, SPI_IOC_WR_MAX_SPEED_HZ, &speed) < 0) {
        if (error)
            *error = QStringLiteral("%1: setup: %2").arg(path_, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    return true;
}

void SpidevTransport::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool SpidevTransport::transfer(const char* tx, char* rx, int length)
{
    spi_ioc_transfer xfer;
    std::memset(&xfer, 0, sizeof xfer);
    xfer.tx_buf = reinterpret_cast<quintptr>(tx);
    xfer.rx_buf = reinterpret_cast<quintptr>(rx);
    xfer.len = static_cast<quint32>(length);
    xfer.speed_hz = kSpeedHz;
    xfer.bits_per_word = 8;
    return ::ioctl(fd_, SPI_IOC_MESSAGE(1), &xfer) >= 0;
}

bool SpidevTransport::exchange(const QByteArray& tx, QByteArray* rx, int timeoutMs)
{
    rx->clear();
    if (fd_ < 0)
        return false;
    // The controller answers only after the whole request; what it clocks out meanwhile is fill.
    QByteArray ignored(tx.size(), '\0');
    if (!transfer(tx.constData(), ignored.data(), tx.size()))
        return false;
    Common::sleep(1);

    const QByteArray fill(kChunk, '\xFF');
    QByteArray chunk(kChunk, '\0');
    QElapsedTimer timer;
    timer.start();
    bool opened = false;
    while (timer.elapsed() < timeoutMs) {
        if (!transfer(fill.constData(), chunk.data(), kChunk))
            return false;
        for (char c : chunk) {
            const quint8 b = static_cast<quint8>(c);
            if (!opened) {
                if (b == LinkCodec::kFlag) {
                    opened = true;
                    rx->append(c);
                }
                continue;
            }
            rx->append(c);
            // A flag right after the opening one is idle fill, not the end of the frame.
            if (b == LinkCodec::kFlag && rx->size() > 2 && static_cast<quint8>(rx->at(rx->size() - 2)) != LinkCodec::kFlag)
                return true;
            if (b == LinkCodec::kFlag && rx->size() == 2)
                rx->chop(1);
        }
        if (rx->size() > 2 * LinkCodec::kMaxPayload + 32)
            return false;
    }
    return false;
}
