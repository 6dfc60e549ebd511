#include "projekt/Schnittstellen.h"

#include "projekt/Texte.h"

namespace tarvis {

int SchnittstellenAnzahl(const Zustand& z) {
    const int typ = z.ZentralenTyp;
    int n = z.AnzBE;
    // These panels connect all remote terminals through one interface.
    if ((istKVT1000(typ) || istKVT2000N(typ) || istKVT2000B(typ)) && z.AnzBE >= 1) n = 1;
    if (z.AnzDrucker > 0) ++n;
    if (z.Schnitt1 > 1) ++n;
    if (z.Schnitt2 > 1) ++n;
    for (Byte flag : {z.OLN1a, z.OLN2a, z.OLN1b, z.OLN2b, z.OLN1c, z.OLN2c})
        if (flag == 1) ++n;
    if (z.Tele != 1) ++n;
    return n;
}

SchnittstellenPruefung SchnittstellenPruefen(Zustand& z, MessageService& ms) {
    SchnittstellenPruefung e;
    const int typ = z.ZentralenTyp;
    const int n = SchnittstellenAnzahl(z);
    e.anzahl = n;
    auto ablehnen = [&](int nummer) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(nummer));
        z.ZusAbbruch = 1;
        e.abbruch = true;
    };

    z.ZusAbbruch = 0;
    if (istRW500(typ)) {
        // The RW 500 has one interface; the OLMA 10 board gives it three.
        if (z.OLMAwahl == 0 && n >= 2) {
            ablehnen(211);
            e.olmaFrageFreigeben = true;
        } else if (z.OLMAwahl == 1 && n >= 4) {
            ablehnen(209);
        }
    }

    const bool kvt2000 = istKVT2000(typ);
    const bool vernetztOderVerschluesselt = z.OLNJa != 0 || z.RAVI1 != 0 || z.RAVI2 != 0;
    z.ZusKennz = (kvt2000 && !vernetztOderVerschluesselt && n >= 4) ? 1 : 0;
    if (kvt2000 && vernetztOderVerschluesselt && n >= 6) ablehnen(210);
    if (istKVT1000(typ) && n > 3) ablehnen(209);
    return e;
}

}  // namespace tarvis
