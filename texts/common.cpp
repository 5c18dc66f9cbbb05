#include "texts/common.h"

#include <QObject>

#include <cmath>
#include <ctime>

quint32 Common::toCode(float value)
{
    if (!(value > 0.0f))  // NaN and non-positive
        return 0;
    if (value >= 4294967296.0f)
        return 0xFFFFFFFFu;
    return static_cast<quint32>(value);
}

qint32 Common::toInt(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return 2147483647;
    if (value <= -2147483648.0f)
        return -2147483647 - 1;
    return static_cast<qint32>(value);
}

const Common::UnitFactor Common::units[33][9] = {};

QString Common::getTextUnitPhysic(int, int)
{
    return QString();
}

QString Common::getTextFromId(int id)
{
    return QString::number(id);
}

bool Common::checkRange(double value, double min, double max, unsigned int discret)
{
    const double k = discret;
    if (std::isnan(value))
        return false;
    return k * value >= k * min - 0.5 && k * value <= k * max + 0.5;
}

void Common::sleep(int ms)
{
    if (ms <= 0)
        return;
    timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = (ms % 1000) * 1000000L;
    while (nanosleep(&ts, &ts) != 0) {
    }
}

quint16 Common::crc16(const char* data, int length)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= static_cast<quint16>(static_cast<quint8>(data[i]) << 8);
        for (int b = 0; b < 8; ++b)
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021) : static_cast<quint16>(crc << 1);
    }
    return crc;
}
