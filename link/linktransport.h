#pragma once

#include <QByteArray>
#include <QString>

// One exchange of wire bytes with the main controller. Used only on the SPI thread.
class LinkTransport
{
public:
    virtual ~LinkTransport() = default;
    virtual bool open(QString* error) = 0;
    virtual void close() = 0;
    // Sends `tx` and collects the reply bytes into `rx`; false on a transport failure or time-out.
    virtual bool exchange(const QByteArray& tx, QByteArray* rx, int timeoutMs) = 0;
};
