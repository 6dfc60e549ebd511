#include "calc/MaterialRegeln.h"
#include "projekt/Zahlen.h"

namespace tarvis::calc {

// In part-number mode the order carries the mounting parts of some
// peripherals separately.
void SachnummernZubehoer(Zustand& z) {
    if (!(z.CodeModus == "S")) return;
    SatzArray<Integer>& m = z.Menge;
    m[93] = alsInteger(m[326] + m[327]);
    m[94] = m[326];
    m[95] = m[327];
    m[96] = m[348];
    m[97] = m[439];
}

// The DUV 100 mounting parts: two for each record 601, one for each 600.
void SachnummernDUVZubehoer(Zustand& z) {
    if (!(z.CodeModus == "S")) return;
    z.Menge[98] = alsInteger(2.0 * z.Menge[601] + z.Menge[600]);
}

}  // namespace tarvis::calc
