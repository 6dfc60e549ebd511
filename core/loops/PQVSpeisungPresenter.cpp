#include "loops/PQVSpeisungPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

void PQVSpeisungPresenter::aktivieren() {
    // Not chosen yet, or a feed without an option (a damaged file): the first
    // option is selected and its click stores it.
    if (p_.z.PQVspeis < 1 || p_.z.PQVspeis > 3) waehlen(0);
}

PQVSpeisungAnsicht PQVSpeisungPresenter::ansicht() const {
    const Zustand& z = p_.z;
    PQVSpeisungAnsicht a;
    a.titel = "Speisevarianten für PQV 100";
    a.label1 = Beschriftung{Text(404) + " " + std::to_string(z.AnzPQV) + " PQV"};
    a.label2 = Beschriftung{Text(405)};
    a.frmPQVspeis = Beschriftung{Text(406)};
    const int texte[] = {407, 408, 409};
    for (std::size_t i = 0; i < 3; ++i)
        a.optionen[i] = Schalter{Text(texte[i]), true, z.PQVspeis == static_cast<int>(i) + 1};
    a.weiter = Schalter{Text(170)};
    return a;
}

}  // namespace tarvis
