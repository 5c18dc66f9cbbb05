#include "scada/scada_dez.h"

#include "scada/scadafactory.h"

RVK_REGISTER_SCADA(11, ScadaDez)

ScadaDez::ScadaDez() = default;

ScadaDez::~ScadaDez() = default;

void ScadaDez::calcParams()
{
    parameter(373)->value = 0.0f;
}

int ScadaDez::setNewValue(ScadaParameter* param)
{
    if (param->paramId < 0)
        return 1;
    if (param->paramId > 0)
        setParameter(static_cast<quint16>(param->paramId), param->value, 3);
    return 0;
}
