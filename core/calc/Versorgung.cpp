#include "calc/Versorgung.h"

#include <algorithm>

#include "projekt/Zahlen.h"

namespace tarvis {

using calc::aufrunden;

Versorgungskriterium VersorgungskriteriumFuer(const Zustand& z, int k) {
    const int typ = z.ZentralenTyp;
    const double netz12 = z.NetzMax12, dxa12 = z.DXAMax12;
    const double ruhe = z.IRuhe, alarm = z.IAlarm, lade = z.Ladestrom;
    Versorgungskriterium c;
    switch (k) {
    case 2: c = {typ >= 1 && typ <= 3, alarm, netz12, dxa12}; break;
    case 3: c = {true, lade + ruhe, netz12, dxa12}; break;
    case 4: c = {istBrandzentrale(typ), alarm + ruhe, netz12, dxa12}; break;
    case 5:
        c = {true,
             std::max(static_cast<double>(z.I28Ruhe) + z.I28 + z.Ext28Ruhe,
                      static_cast<double>(z.I28Alarm) + z.I28 + z.Ext28Alarm),
             z.NetzMax28, 2 * static_cast<double>(z.DXAMax28)};
        break;
    default: return c;
    }
    if (c.gilt) c.bedarf = aufrunden((c.last - c.grenze) / c.je);
    return c;
}

void Versorgung(Zustand& z) {
    const double netz12 = z.NetzMax12, dxa12 = z.DXAMax12, lade = z.Ladestrom;

    z.NetzRest12 = calc::alsSingle(netz12 - lade);
    z.DXARest12 = calc::alsSingle(dxa12 - lade);

    // Each DXA 1000 takes over what the panel's mains unit cannot carry.
    for (int k = 2; k <= 4; ++k)
        if (const Versorgungskriterium c = VersorgungskriteriumFuer(z, k); c.gilt)
            z.DXABedarf[static_cast<std::size_t>(k)] = c.bedarf;

    z.DXABedarf[5] = VersorgungskriteriumFuer(z, 5).bedarf;
    z.ZOLWVorschlag = z.DXABedarf[5] < 0 ? Integer{0} : z.DXABedarf[5];
    if (z.DXABedarf[5] < z.ZOLWVorschlag) z.DXABedarf[5] = z.ZOLWVorschlag;

    Integer groesste = 0;
    for (std::size_t k = 1; k <= 5; ++k) {
        if (z.DXABedarf[k] < 1) z.DXABedarf[k] = 0;
        groesste = std::max(groesste, z.DXABedarf[k]);
    }
    z.DXAVorschlag = calc::alsByte(groesste);
}

}  // namespace tarvis
