#include "scada/scada_ruzidar_irirud.h"

#include "scada/scadafactory.h"

RVK_REGISTER_SCADA(10, ScadaRuzidarIrirud)

ScadaRuzidarIrirud::ScadaRuzidarIrirud() = default;

ScadaRuzidarIrirud::~ScadaRuzidarIrirud() = default;

// Rows without a parameter read 0.
void ScadaRuzidarIrirud::calcParams() {}
