#include "scada/scada.h"

Scada::Scada(QObject* parent)
    : QObject(parent)
{
}

Scada::~Scada() = default;

void Scada::setProcessEnabled(bool) {}

void Scada::process() {}
