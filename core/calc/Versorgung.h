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

}  // namespace tarvis
