#include "wizard/HY100Presenter.h"

#include "projekt/Texte.h"

namespace tarvis {

HY100Presenter::HY100Presenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    Zustand& z = p_.z;
    Integer* variablen[] = {&z.PQKnorm28, &z.PQKinv28, &z.PQKnorm12, &z.PQKinv12,
                            &z.PQVnorm28, &z.PQVinv28, &z.PQVnorm12, &z.PQVinv12};
    for (int f = 0; f < 8; ++f) {
        Integer* v = variablen[f];
        // The PQV boxes have no key rule of their own: a box that holds no
        // number counts 0.
        const bool nurZiffern = f < PQVnorm28;
        felder_.hinzufuegen({ZaehlRegel{99, nurZiffern, true, 2}, [v] { return static_cast<int>(*v); },
                             [v](int w) { *v = static_cast<Integer>(w); }, {}, {}, {}});
    }
}

HY100Ansicht HY100Presenter::ansicht() const {
    const Zustand& z = p_.z;
    HY100Ansicht a;
    a.titel = Text(278);
    a.frmPQK = Beschriftung{Text(371)};
    a.frmPQV = Beschriftung{Text(372)};
    a.lblRelPQK28 = Beschriftung{Text(373)};
    a.lblRelPQK12 = Beschriftung{Text(374)};
    a.lblRelPQV28 = Beschriftung{Text(375)};
    a.lblRelPQV12 = Beschriftung{Text(376)};
    a.lblNormal = Beschriftung{"Normal"};
    a.lblInvers = Beschriftung{"Invers"};
    a.label1 = Beschriftung{Text(281)};
    a.label2 = Beschriftung{Text(282)};
    a.label3 = Beschriftung{Text(283)};
    a.label4 = Beschriftung{Text(284)};
    a.label5 = Beschriftung{Text(285)};
    a.label6 = Beschriftung{Text(297)};
    a.lblPQK = Beschriftung{"PQK: " + std::to_string(z.AnzPQK)};
    a.lblPQV = Beschriftung{"PQV: " + std::to_string(z.AnzPQV)};
    a.weiter = Schalter{Text(170)};
    return a;
}

bool HY100Presenter::weiter() {
    const Zustand& z = p_.z;
    const int sPQK = z.PQKnorm28 + z.PQKinv28 + z.PQKnorm12 + z.PQKinv12;
    const int sPQV = z.PQVnorm28 + z.PQVinv28 + z.PQVnorm12 + z.PQVinv12;
    auto ok = [this](const Meldungstext& text, Symbol s) {
        return ms_.frage(text, Schaltflaechen::JaNein, s) == Antwort::Ja;
    };
    // A module drives at most four relays.
    if (sPQK > 4 * z.AnzPQK && !ok(Nr(391) + " " + std::to_string(z.AnzPQK) + " PQK! OK?", Symbol::Ausrufezeichen))
        return false;
    if (sPQV > 4 * z.AnzPQV && !ok(Nr(391) + " " + std::to_string(z.AnzPQV) + " PQV! OK?", Symbol::Ausrufezeichen))
        return false;
    // Each HY 100 card carries two relays.
    if (sPQK + sPQV != 2 * z.AnzHY && !ok(Nr(300), Symbol::Frage)) return false;
    return true;
}

}  // namespace tarvis
