#include "calc/Grenzpruefung.h"

namespace tarvis {

namespace {

Grenzwert hoechstens(int text, double last, double grenze) { return {text, last, grenze, !(last > grenze)}; }

}  // namespace

Grenzwert TL300Batterien(const Zustand& z, double anzahl) {
    // Without a PSM 300 KBN, or with one that does not work in parallel, the
    // panel alone holds the batteries.
    const bool parallel = z.AnzPSM != 0 && !(z.AnzPSM >= 1 && z.PSMParallel < 2);
    return hoechstens(2191, anzahl, parallel ? 4 : 2);
}

Grenzwert TL300Trafo28(const Zustand& z) {
    const double t28 = static_cast<double>(z.I28) + z.Ext28Ruhe + z.Ext28Alarm + z.I28Alarm;
    const bool parallel = z.PSMParallel >= 2 && z.AnzPSM != 0;
    return hoechstens(2192, t28, parallel ? static_cast<double>(z.Trafo28Zus) + z.Trafo28Max : z.Trafo28Max);
}

Grenzwert TL300Netz12(const Zustand& z) {
    return hoechstens(2193, static_cast<double>(z.Ladestrom) + z.IRuhe, z.NetzMax12);
}

Grenzwert TL300Module12(const Zustand& z) { return hoechstens(2194, z.INetz12, 600); }

Grenzwert DXAAnzahl(const Zustand& z) { return {2195, static_cast<double>(z.DXAVorschlag), static_cast<double>(z.AnzDXA), z.AnzDXA >= z.DXAVorschlag}; }

Grenzwert ZOLWAnzahl(const Zustand& z) {
    return {2196, static_cast<double>(z.ZOLWVorschlag), static_cast<double>(z.AnzZOLW), z.AnzZOLW >= z.ZOLWVorschlag};
}

}  // namespace tarvis
