#include "projekt/Netzgrenzwerte.h"

namespace tarvis {

void Netzgrenzwerte(Zustand& z) {
    z.NetzMax12 = 0;
    z.NetzMax28 = 0;
    z.Trafo28Max = 0;
    z.Trafo28Zus = 0;
    switch (z.ZentralenTyp) {
    case 1:
        z.NetzMax12 = 3200;
        z.NetzMax28 = 500;
        break;
    case 2: case 3: case 4: case 5:
        z.NetzMax12 = 5400;
        z.NetzMax28 = 600;
        break;
    case 6:
        // The TL 300's own mains unit; a PSM 300 KBN in parallel raises the 12 V limit.
        z.NetzMax12 = (z.PSMParallel == 2 && z.AnzPSM >= 1) ? 4700 : 2400;
        z.Trafo28Max = 600;
        z.Trafo28Zus = 500;
        break;
    case 7: case 8:
        break;
    default:
        return;
    }
    z.DXAMax12 = 5400;
    z.DXAMax28 = 600;
}

}  // namespace tarvis
