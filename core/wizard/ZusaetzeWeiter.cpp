// The forward button of the additional-functions window: the checks of the
// add-on functions against the capacity of the panel, in their fixed order.
#include "projekt/Texte.h"
#include "projekt/Schnittstellen.h"
#include "wizard/ZusaetzePresenter.h"

namespace tarvis {

namespace {

// What a panel can carry; 0 = nothing to check (no such input).
struct Kapazitaet {
    int vrx, kpl, stecker, cPunkte, strom;
};

Kapazitaet kapazitaet(int typ) {
    switch (typ) {
    case 1: return {32, 44, 11, 44, 300};
    case 2: case 3: case 4: return {12, 24, 6, 24, 300};
    case 5: return {18, 8, 2, 8, 100};
    case 6: return {0, 0, 0, 2, 300};
    default: return {0, 0, 0, 0, 0};
    }
}

int aufVier(int n) { return (n + 3) / 4; }
int aufZwei(int n) { return (n + 1) / 2; }

Meldungstext maximal(int grenze, int text) { return Nr(380) + " " + std::to_string(grenze) + " " + Nr(text); }

// Sounder article kinds among the peripheral elements.
int signalgeberArten(const Zustand& z) {
    int n = 0;
    for (int i = 364; i <= 380; ++i) n += z.Menge[i] > 0 ? 1 : 0;
    for (int i = 431; i <= 451; ++i) n += z.Menge[i] > 0 ? 1 : 0;
    return n;
}

}  // namespace

bool ZusaetzePresenter::verweigern(const Meldungstext& text, int reiter) {
    ms_.meldung(Symbol::Ausrufezeichen, text);
    reiter_ = reiter;
    return false;
}

bool ZusaetzePresenter::verweigern(int text, int reiter) { return verweigern(Nr(text), reiter); }

bool ZusaetzePresenter::weiter() {
    if (!weiterPruefen()) return false;
    p_.z.WeiterOK = 1;
    return true;
}

bool ZusaetzePresenter::weiterPruefen() {
    Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    const Kapazitaet k = kapazitaet(typ);
    auto frage = [&](const Meldungstext& text) { return ms_.frage(text, Schaltflaechen::JaNein) == Antwort::Ja; };
    auto schleifenEingabe = [&] {
        ms_.oeffnen(Fenster::KBNEIN);
        aktivieren();  // this window is active again
    };

    // 1. Standby time. Its box is on the first tab, which comes to the front
    // so that the focus can go there.
    if (z.UeZeit == 0) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(148));
        reiter_ = kReiterEnergie;
        fokus_ = ZFeld::Uezeit;
        return false;
    }

    // 2., 3. Remote terminals.
    if (istRW500(typ) && z.AnzBE > 3) return verweigern(205, kReiterBedien);
    if (!istRW500(typ) && z.AnzBE > 4) return verweigern(206, kReiterBedien);
    if (z.AnzBE2 > z.AnzBE) return verweigern(207, kReiterBedien);
    if (z.AnzBE >= 1 && z.AnzBE2 != z.AnzBE && !frage(Nr(216) + "\n" + Nr(254))) {
        reiter_ = kReiterBedien;
        return false;
    }

    // 4. Teleservice needs a YA 2000 (or the user says so).
    if (z.Tele != 1 && z.YAwahl == 1 && !istTL300(typ) && !frage(Nr(704) + "\n" + Nr(254))) {
        reiter_ = kReiterYaTele;
        return false;
    }

    // 5.-8. Relay contacts and the relay plugs they take.
    if (z.MRVNnorm + z.MRVNinv >= 3) return verweigern(379, kReiterTableau);
    if (k.vrx > 0 && z.VRXnorm + z.VRXinv > k.vrx) return verweigern(maximal(k.vrx, 381), kReiterTableau);
    if (k.kpl > 0 && z.KPLnorm + z.KPLinv > k.kpl) return verweigern(maximal(k.kpl, 382), kReiterTableau);
    const int stecker = aufVier(z.KPLnorm) + aufVier(z.KPLinv) + aufZwei(z.VRXnorm) + aufZwei(z.VRXinv);
    if (k.stecker > 0 && stecker > k.stecker) return verweigern(maximal(k.stecker, 383), kReiterTableau);

    // 9. A TL 300 is operated from a BE 300 KBN on the loop.
    if (istTL300(typ) && z.AnzBETL == 0 && !frage(Nr(204))) schleifenEingabe();

    // 10.-13. Mimic-panel points (C outputs) and their current.
    const int cPunkte = z.TabloNorm + z.TabloInv;
    if (k.cPunkte > 0 && cPunkte > k.cPunkte) return verweigern(maximal(k.cPunkte, 384), kReiterTableau);
    if (z.ZusStrom < 0 || (k.strom > 0 && z.ZusStrom > k.strom)) return verweigern(385, kReiterTableau);
    if (cPunkte >= 1 && z.ZusStrom < 1) return verweigern(386, kReiterTableau);
    const int belegt = 4 * aufVier(z.KPLnorm) + 4 * aufVier(z.KPLinv) + 2 * aufZwei(z.VRXnorm) +
                       2 * aufZwei(z.VRXinv) + cPunkte;
    if (k.cPunkte > 0 && belegt > k.cPunkte) return verweigern(maximal(k.cPunkte, 387), kReiterTableau);

    // 14. Interfaces; the check shows its own message.
    SchnittstellenPruefung s = SchnittstellenPruefen(z, ms_);
    if (s.olmaFrageFreigeben) olmaAktiv_ = true;
    if (z.ZusAbbruch == 1) {
        reiter_ = kReiterBedien;
        return false;
    }

    // 15. Transmission redundancy of a networked fire panel, asked once.
    if (z.PQBFrageGestellt == 0 && z.OLNJa == 1 && z.AnzPQB == 0 && (istKVT2000_1(typ) || istKVT2000B(typ))) {
        z.PQBFrageGestellt = 1;
        if (!frage(Nr(526))) schleifenEingabe();
    }

    // 16. Sounders need a PQS coupler (or a TIR card), asked once.
    if (z.PQSFrageGestellt == 0 && !istKVT1000(typ) && !istKVT2000N(typ) && !istTL300(typ) && signalgeberArten(z) >= 1) {
        if (z.AnzPQS > 0) {
            if (!frage(Nr(531))) {
                schleifenEingabe();
                z.PQSFrageGestellt = 1;
            }
        } else if (frage(Nr(532) + "\n" + Nr(533))) {
            schleifenEingabe();
            z.PQSFrageGestellt = 1;
        }
    }
    return true;
}

}  // namespace tarvis
