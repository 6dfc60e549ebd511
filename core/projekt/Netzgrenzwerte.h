#pragma once
#include "projekt/Zustand.h"

namespace tarvis {

// Sets the supply limits of the chosen panel type: NetzMax12, NetzMax28,
// Trafo28Max, Trafo28Zus (0 for an unknown type) and the limits of one
// DXA 1000, DXAMax12 and DXAMax28 (left as they were for an unknown type).
// The calculation, the current report and the external-load windows use it.
void Netzgrenzwerte(Zustand& z);

}  // namespace tarvis
