#include "calc/AusgabePresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

const std::string& AusgabeCode(const KatSatz& s, const Zustand& z) {
    if (z.CodeModus == "S") return s.Sachnummer.str();
    const int typ = z.ZentralenTyp;
    return istEinbruchzentrale(typ) ? s.LIBEXIntr.str() : s.LIBEXBrand.str();
}

void AusgabePresenter::aktivieren() {
    const Zustand& z = p_.z;
    AusgabeAnsicht a;
    a.titel = Text(220);
    a.weiter = Text(170);
    a.kopf = {Text(104) + " ", Text(108) + " ", Text(105), Text(z.CodeModus == "S" ? 106 : 107)};
    // Records 1..5 are not articles of the list.
    for (int i = 6; i <= kMaxSatz; ++i) {
        Integer m = z.Menge[i];
        if (m <= 0) continue;
        const KatSatz& s = p_.katalog.satz(i);
        a.zeilen.push_back({std::to_string(i) + " ", std::to_string(m) + " ", s.Bezeichnung.str(), AusgabeCode(s, z)});
    }
    ansicht_ = std::move(a);
}

void AusgabePresenter::nachSchliessen() {
    // The same commands for every panel type; OLN networking (Edit item 8)
    // comes with them for the KVT 2000 types, which the main window decides.
    p_.z.ProjektBefehleAktiv = 1;
    ms_.oeffnen(Fenster::Hinweis);
}

}  // namespace tarvis
