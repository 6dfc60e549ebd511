#include "calc/MaterialRegeln.h"
#include "projekt/Zahlen.h"

namespace tarvis::calc {

void RelaisUndAusgaenge(Zustand& z) {
    const int typ = z.ZentralenTyp;
    const bool kvt2000 = istKVT2000(typ);

    if (z.MRVNnorm + z.MRVNinv > 0) {
        if (istKVT1000(typ)) { z.Menge[220] = 1; z.Menge[223] = 1; }
        if (kvt2000) z.Menge[219] = 1;
        if (istRW500(typ)) z.Menge[221] = 1;
    }

    // A VRX plug carries two relays.
    const int n = z.VRXnorm + z.VRXinv;
    if (n >= 1) {
        const Integer stecker = aufrunden(n / 2.0);
        if (istKVT1000(typ)) z.Menge[242] = stecker;
        if (kvt2000) z.Menge[248] = stecker;
        if (istRW500(typ)) {
            z.Menge[249] = stecker;
            // Five or more relays and mimic points need the RW 500 extension card.
            if (n + z.KPLnorm + z.KPLinv + z.TabloNorm + z.TabloInv >= 5) {
                z.Menge[222] = 1;
                z.RWZusatzkarte = 1;
            }
        }
    }

    // A KPL plug carries four relays.
    const int m = z.KPLnorm + z.KPLinv;
    if (m >= 1) {
        const Integer stecker = aufrunden(m / 4.0);
        if (istKVT1000(typ)) z.Menge[243] = stecker;
        if (kvt2000) z.Menge[250] = stecker;
        if (istRW500(typ)) z.Menge[241] = stecker;
    }

    if (istKVT1000(typ)) z.Menge[306] = z.Vert20DA;
    if (kvt2000) z.Menge[307] = z.Vert20DA;
    if (istRW500(typ)) z.Menge[308] = z.Vert20DA;

    if (z.KOPwahl == 1) {
        if (istKVT1000(typ)) z.Menge[225] = 1;
        if (kvt2000) z.Menge[231] = 1;
    }
}

}  // namespace tarvis::calc
