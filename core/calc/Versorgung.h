#pragma once
#include "projekt/Zustand.h"

namespace tarvis {

// The supply sizing: NetzRest12, DXARest12, the DXA 1000 need by criteria
// 2..5 (DXABedarf(2..5); criterion 1 comes from the batteries), the ZOLW
// converter proposal ZOLWVorschlag and the DXA 1000 proposal DXAVorschlag,
// the largest need. Expects the current budget, the batteries and
// Netzgrenzwerte. Throws calc::Laufzeitfehler when a result leaves its
// number type.
void Versorgung(Zustand& z);

// One criterion of the supply sizing: the load against what the panel's own
// unit carries, and the units it needs, each taking `je` mA of the excess:
// 2 the alarm current (types 1..3), 3 the quiescent plus charging current,
// 4 (fire panels) quiescent plus alarm current, 5 the 28 V load, a ZOLW
// converter on a DXA 1000 giving two units' worth. `bedarf` is the excess
// rounded up as the sizing takes it (negative when there is room).
struct Versorgungskriterium {
    bool gilt = false;  // the criterion applies to the panel type
    double last = 0, grenze = 0, je = 0;
    Integer bedarf = 0;
};
// Criterion k (2..5). Throws calc::Laufzeitfehler as Versorgung does.
Versorgungskriterium VersorgungskriteriumFuer(const Zustand& z, int k);

}  // namespace tarvis
