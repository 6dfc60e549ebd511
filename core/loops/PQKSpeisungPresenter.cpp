#include "loops/PQKSpeisungPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

namespace {

Zaehlgruppe::Bindung bindung(Integer& v) {
    return {ZaehlRegel{99, true, true, 2}, [&v] { return static_cast<int>(v); },
            [&v](int w) { v = static_cast<Integer>(w); }, {}, {}, {}};
}

}  // namespace

PQKSpeisungPresenter::PQKSpeisungPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    felder_.hinzufuegen(bindung(p_.z.PQK12));
    felder_.hinzufuegen(bindung(p_.z.PQK28));
}

void PQKSpeisungPresenter::aktivieren() {
    Zustand& z = p_.z;
    if (z.PQK12 + z.PQK28 == 0) z.PQK12 = z.AnzPQK;
    felder_.zeigen(PQK12);
    felder_.zeigen(PQK28);
}

PQKSpeisungAnsicht PQKSpeisungPresenter::ansicht() const {
    PQKSpeisungAnsicht a;
    a.titel = Text(412);
    a.fraAnzahl = Beschriftung{Text(413)};
    a.lblPQK12 = Beschriftung{Text(414)};
    a.lblPQK28 = Beschriftung{Text(415)};
    a.lblVarianten = Beschriftung{Text(410)};
    a.lblSumme = Beschriftung{Text(417) + " " + std::to_string(p_.z.AnzPQK)};
    a.weiter = Schalter{Text(170)};
    a.hilfe = Schalter{Text(37)};
    return a;
}

bool PQKSpeisungPresenter::weiter() {
    const Zustand& z = p_.z;
    if (z.PQK12 + z.PQK28 == z.AnzPQK) return true;
    return ms_.frage(Nr(416) + "\n" + Nr(418), Schaltflaechen::JaNein, Symbol::Ausrufezeichen) == Antwort::Ja;
}

}  // namespace tarvis
