#include <array>

#include "calc/MaterialRegeln.h"
#include "projekt/Texte.h"

namespace tarvis::calc {
namespace {

void setzen(Zustand& z, int satz) { z.Menge[satz] = 1; }

// Loop b (1..2) of card a (1..2) holds at least one element.
bool schleifeBelegt(const Zustand& z, int a, int b) {
    for (int i = 504; i <= kMaxSatz; ++i)
        if (z.KBNWert(a, i, b) > 0) return true;
    return false;
}

void meldung(MessageService& ms, int nummer) { ms.meldung(Symbol::Ausrufezeichen, Nr(nummer)); }

// RW 500: the TOBA card carries the second loop; the panel cannot run loop 2
// without it, even when loop 1 is empty.
void rw500Linienkarte(Zustand& z, MessageService& ms) {
    z.Kennz11E = "N";
    bool l1 = schleifeBelegt(z, 1, 1);
    bool l2 = schleifeBelegt(z, 1, 2);
    if (l1 && l2) z.Kennz11E = "J";
    if (!l1 && l2) {
        meldung(ms, 275);
        z.Kennz11E = "J";
    }
    if (z.Kennz11E == "J") setzen(z, 148);
}

// KVT 2000 N/B: loops 3 and 4 are on the DKM 100 card. More than two loops
// need it; so do loops spread so that the base card does not cover them
// (one loop on each card, or both loops of the second card), and a single
// loop on the second card. Loop doubling for extinguishing needs it anyway
// (general articles).
void kvt2000Linienkarte(Zustand& z, MessageService& ms) {
    z.Kennz11E = "N";
    std::array<bool, 5> l{};
    int anzahl = 0;
    for (int k = 1; k <= 4; ++k) {
        l[static_cast<std::size_t>(k)] = schleifeBelegt(z, (k + 1) / 2, (k - 1) % 2 + 1);
        if (l[static_cast<std::size_t>(k)]) ++anzahl;
    }
    if (anzahl > 2) z.Kennz11E = "J";
    auto genau = [&](bool e1, bool e2, bool e3, bool e4) {
        return l[1] == e1 && l[2] == e2 && l[3] == e3 && l[4] == e4;
    };
    bool karteFehlt = genau(false, true, true, false) || genau(false, true, false, true) ||
                      genau(false, false, true, true) || genau(true, false, true, false) ||
                      genau(true, false, false, true) || genau(false, false, true, false) ||
                      genau(false, false, false, true);
    if (!(z.Doppeln == "J") && karteFehlt) {
        meldung(ms, 276);
        z.Kennz11E = "J";
    }
    if (z.Kennz11E == "J") setzen(z, 154);
}

}  // namespace

void ZentralenArtikel(Zustand& z, MessageService& ms) {
    const int typ = z.ZentralenTyp;
    const int sprache = z.Sprache;

    // KVT 1000 N: the panel article exists in German only.
    if (istKVT1000(typ) && sprache == 1) {
        switch (z.AnzMG) {
        case 10: setzen(z, 8); break;
        case 16: setzen(z, 9); break;
        case 24: setzen(z, 10); break;
        case 127: setzen(z, 11); break;
        default: break;
        }
    }
    if (istRW500(typ)) {
        if (z.MGEAZ == 2) setzen(z, 127);
        else if (sprache == 1) setzen(z, 126);
        else if (sprache >= 2 && sprache <= 11) setzen(z, 126 + sprache);
        rw500Linienkarte(z, ms);
    }
    if (istKVT2000N(typ) && sprache >= 1 && sprache <= 11) setzen(z, 12 + sprache);
    if (istKVT2000B(typ) && sprache >= 1 && sprache <= 11) setzen(z, 107 + sprache);
    if (istKVT2000_1(typ)) setzen(z, 122);
    if (istKVT2000N(typ) || istKVT2000B(typ)) kvt2000Linienkarte(z, ms);
    if (istTL300(typ)) setzen(z, sprache == 1 ? 35 : 36);
}

}  // namespace tarvis::calc
