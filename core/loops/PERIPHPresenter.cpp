#include "loops/PERIPHPresenter.h"

#include <algorithm>

#include "projekt/Texte.h"

namespace tarvis {

int Uebertragungsgeraete(const Zustand& z) {
    int n = 0;
    for (int i = 354; i <= 362; ++i) n += z.Menge[i];
    for (int i = 416; i <= 430; ++i) n += z.Menge[i];
    return n;
}

void PERIPHPresenter::aktivieren() { aufbauen(istBrandzentrale(p_.z.ZentralenTyp)); }

PERIPHAnsicht PERIPHPresenter::ansicht() const {
    const Zustand& z = p_.z;
    long long summe = 0;
    for (int i = kPeriErster; i <= kPeriLetzter; ++i) summe += z.Menge[i];
    PERIPHAnsicht a;
    a.titel = z.ZentralenName + " " + Text(117);
    a.liste = listeAnsicht();
    a.label1 = Beschriftung{Text(298)};
    a.lblSumme = Beschriftung{std::to_string(summe)};
    a.ok = Schalter{"&OK"};
    return a;
}

bool PERIPHPresenter::ok() {
    Zustand& z = p_.z;
    const int ue = Uebertragungsgeraete(z);
    z.AnzUE = static_cast<Integer>(std::min(ue, 32767));
    if (z.Menge[400] > 0) {
        Antwort a = ms_.frage(Nr(360), Schaltflaechen::JaNein, Symbol::Frage);
        z.PeriEingabe = a == Antwort::Ja ? "J" : "N";
    }
    // The larger panels take two transmission devices, RW 500 and TL 300 one.
    const int typ = z.ZentralenTyp;
    const int erlaubt = typ >= 1 && typ <= 4 ? 2 : 1;
    if (ue > erlaubt) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(390));
        return false;
    }
    return true;
}

}  // namespace tarvis
