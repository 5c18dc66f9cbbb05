#include "scada/scada_doveduvivedodi.h"

#include "scada/scadafactory.h"

RVK_REGISTER_SCADA(7, ScadaDoveduvivedodi)

ScadaDoveduvivedodi::ScadaDoveduvivedodi() = default;

ScadaDoveduvivedodi::~ScadaDoveduvivedodi() = default;

void ScadaDoveduvivedodi::calcParams()
{
    parameter(20)->value = 0.0f;
}

int ScadaDoveduvivedodi::setNewValue(ScadaParameter* param)
{
    if (param->paramId < 1)
        return 1;
    setParameter(static_cast<quint16>(param->paramId), param->value, 3);
    return 0;
}
