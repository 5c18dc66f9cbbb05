#include "link/spidriver.h"

SpiDriver::SpiDriver(LinkTransport* transport, QObject* parent)
    : QObject(parent), transport_(transport)
{
}

SpiDriver::~SpiDriver() = default;

void SpiDriver::setDebug(bool on) { debug_ = on; }
void SpiDriver::setParameterIds(const QVector<quint16>& ids) { ids_ = ids; }

void SpiDriver::process()
{
    emit signalStart();
}

void SpiDriver::slotParamWrite(quint16, quint32, int) {}
void SpiDriver::slotEventRead(quint32) {}
void SpiDriver::slotScadaSoftwareWrite(const QByteArray&) { ++swQueued_; }
void SpiDriver::slotSpiRequestLogCompressRN(QByteArray) {}
void SpiDriver::slotSpiRequestLogCompress(QByteArray) {}
