#include "loops/DXAGehPruefung.h"

#include "projekt/Texte.h"

namespace tarvis {

void DXAGehVorschlagUebernehmen(Zustand& z) {
    if (z.ZOLWVorschlag > z.DXAVorschlag && z.ZOLWVorschlag <= 255) z.DXAVorschlag = static_cast<Byte>(z.ZOLWVorschlag);
    z.AnzDXA = z.DXAVorschlag;
    z.AnzZOLW = z.ZOLWVorschlag;
}

int DXAGehPruefen(int anzDXA, int anzZOLW) {
    if (anzZOLW >= 1 && anzDXA == 0) return 163;
    if (anzZOLW > anzDXA) return 164;
    return 0;
}

bool DXAGehWeiter(Zustand& z, MessageService& ms) {
    const int nummer = DXAGehPruefen(z.AnzDXA, z.AnzZOLW);
    if (nummer != 0) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(nummer));
        return false;
    }
    z.WeiterOK = 1;
    return true;
}

}  // namespace tarvis
