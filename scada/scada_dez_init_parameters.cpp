#include "scada/scada_dez.h"

namespace {

// The map's defaults: read-only, type 4, coefficient 1, 0...65535.
constexpr ScadaRow R = ScadaRow().range(0, 65535);

constexpr ScadaRow kRows[] = {
    R.at(0).id(10002).op(2).physic(7).type(14),                // frequency setpoint
    R.at(1).id(592).op(2).type(14).range(1, 1),                // stop command
    R.at(257, 259).ids(10008, 10010).physic(9).coef(0.01),     // drive phase currents U, V, W
    R.at(297).id(10001).physic(7).coef(0.01),                  // output frequency
    R.at(301, 303).ids(709, 711).physic(8),                    // line voltages AB, BC, CA
    R.at(373).computed().coef(0.01),                           // always 0
    R.at(378).id(15002).physic(18).unit(4).coef(0.1),          // intake pressure
    R.at(379).id(15008).physic(18).unit(4).coef(0.1),          // discharge pressure
    R.at(380).id(15004).physic(19).coef(0.01),                 // intake temperature
    R.at(382).id(15003).physic(19).coef(0.01),                 // motor winding temperature
    R.at(383).id(15011).physic(20).coef(0.01),                 // motor vibration XY
    R.at(384).id(15007).physic(20).coef(0.01),                 // motor vibration Z
    R.at(385).id(15092).physic(9).unit(1).coef(0.001),         // leakage
    R.at(386).id(9).coef(0.01),                                // power factor
    R.at(443, 445).ids(2, 4).physic(9).coef(0.1),              // phase currents A, B, C
};

} // namespace

void ScadaDez::initParameters()
{
    fillTable(kRows);
}
