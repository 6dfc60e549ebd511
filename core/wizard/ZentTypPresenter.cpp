#include "wizard/ZentTypPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

namespace {

bool kvt1000Gesperrt(const Zustand& z) { return z.Sprache == 3; }
// The KVT 2000/1 fire D exists only in the German (or not yet chosen) version.
bool kvt21Gesperrt(const Zustand& z) { return z.Sprache != 0 && z.Sprache != 1; }

void schleifenLoeschen(Zustand& z, int abSchleife) {
    for (int k = abSchleife; k <= 4; ++k) z.KBNMenge(k).fill(0);
}

}  // namespace

const char* ZentTypOptionName(int code) {
    static const char* namen[] = {"", "optKVT1N", "optKVT21", "optKVT2N", "optKVT2B",
                                  "optRW5", "optTL3", "optDXA1", "optLokal"};
    return code >= 1 && code <= 8 ? namen[code] : "";
}

void ZentTypPresenter::aktivieren() {
    Zustand& z = p_.z;
    // Selecting the option of the current type runs its click, before the
    // language disables options: a stored type always brings the alarm kind
    // and zones of its row, also when its option cannot be chosen anew.
    int typ = z.ZentralenTyp;
    if (typ >= 1 && typ <= 8) klick(typ);
    if (typ != 0 && !istKVT2000(typ)) z.OLNMenueAktiv = 0;
}

ZentTypAnsicht ZentTypPresenter::ansicht() const {
    const Zustand& z = p_.z;
    ZentTypAnsicht a;
    a.titel = Text(40);
    a.rahmen = Text(255);
    a.autark = Text(42);
    const std::string texte[] = {"", "KVT &1000 N KBN", "KVT 2000 / 1 Brand &D", "KVT 2000 &N",
                                 "KVT 2000 &B,           KVT 2000/6 Brand D", "RW &500", "TL &300  ",
                                 "D&XA 1000 autark", Text(41)};
    for (int code = 1; code <= 8; ++code) {
        Schalter& s = a.optionen[static_cast<std::size_t>(code)];
        s.text = texte[code];
        s.gewaehlt = z.ZentralenTyp == code;
    }
    // A disabled option still shows the type the project holds.
    a.optionen[1].aktiv = !kvt1000Gesperrt(z);
    a.optionen[2].aktiv = !kvt21Gesperrt(z);
    a.weiter = Text(170);
    a.hilfe1 = Text(37);
    a.hilfe2 = Text(393);
    return a;
}

void ZentTypPresenter::waehlen(int code) {
    const Zustand& z = p_.z;
    if ((code == 1 && kvt1000Gesperrt(z)) || (code == 2 && kvt21Gesperrt(z))) return;
    klick(code);
}

void ZentTypPresenter::klick(int code) {
    Zustand& z = p_.z;
    if (code < 1 || code > 8) return;
    z.ZentralenTyp = static_cast<Integer>(code);
    switch (code) {
    case 1: z.Alarmart = "N"; break;  // the zones are chosen in MG1000
    case 2: z.Alarmart = "B"; z.AnzMG = 127; break;
    case 3: z.Alarmart = "N"; z.AnzMG = 127; break;
    case 4: z.Alarmart = "B"; z.AnzMG = 127; break;
    case 5: z.Alarmart = "B"; z.AnzMG = 64; break;
    case 6: z.Alarmart = "N"; break;
    default: break;  // the standalone parts keep both
    }
}

bool ZentTypPresenter::weiter() {
    Zustand& z = p_.z;
    if (z.ZentralenTyp == 0) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(292));
        return false;
    }
    z.ZentralenTypBest = z.ZentralenTyp;
    // The windows that follow carry the panel's name in their captions
    // (networking, loop entry, additional functions); the main window's title
    // would set it only when the whole input sequence is over.
    z.ZentralenName = ZentralenNameFuer(z.ZentralenTyp);
    switch (z.ZentralenTyp) {
    case 1:
        ms_.oeffnen(Fenster::MG1000);
        schleifenLoeschen(z, 2);  // one loop only
        break;
    case 2: case 3: case 4:
        z.WeiterOK = 0;
        if (!ms_.oeffnen(Fenster::OLNVernetz)) return false;
        break;
    case 5:
        schleifenLoeschen(z, 3);  // two loops
        z.WeiterOK = 0;
        if (!ms_.oeffnen(Fenster::MG_EAZ)) return false;
        break;
    case 6:
        schleifenLoeschen(z, 2);
        break;
    default:
        break;
    }
    z.WeiterOK = 1;
    return true;
}

}  // namespace tarvis
