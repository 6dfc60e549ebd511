#include "calc/Versorgung.h"

#include <algorithm>

#include "projekt/Zahlen.h"

namespace tarvis {

using calc::aufrunden;

void Versorgung(Zustand& z) {
    const int typ = z.ZentralenTyp;
    const double netz12 = z.NetzMax12, netz28 = z.NetzMax28;
    const double dxa12 = z.DXAMax12, dxa28 = z.DXAMax28;
    const double ruhe = z.IRuhe, alarm = z.IAlarm, lade = z.Ladestrom;

    z.NetzRest12 = calc::alsSingle(netz12 - lade);
    z.DXARest12 = calc::alsSingle(dxa12 - lade);

    // Each DXA 1000 takes over what the panel's mains unit cannot carry:
    // 2 the alarm current, 3 the quiescent plus charging current,
    // 4 (fire panels) quiescent plus alarm excess current.
    if (typ >= 1 && typ <= 3) z.DXABedarf[2] = aufrunden((alarm - netz12) / dxa12);
    z.DXABedarf[3] = aufrunden((lade + ruhe - netz12) / dxa12);
    if (istBrandzentrale(typ)) z.DXABedarf[4] = aufrunden((alarm + ruhe - netz12) / dxa12);

    // 5: the 28 V load; a ZOLW converter on a DXA 1000 gives two units' worth.
    const double q28 = std::max(static_cast<double>(z.I28Ruhe) + z.I28 + z.Ext28Ruhe,
                                static_cast<double>(z.I28Alarm) + z.I28 + z.Ext28Alarm);
    z.DXABedarf[5] = aufrunden((q28 - netz28) / (2 * dxa28));
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
