#include "loops/JUBLSpeisPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

JUBLSpeisPresenter::JUBLSpeisPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    Zustand& z = p_.z;
    felder_.hinzufuegen({ZaehlRegel{9, true, true, 1}, [&z] { return static_cast<int>(z.AnzJUBL); },
                         [&z](int w) { z.AnzJUBL = static_cast<Integer>(w); }, {}, {}, {}});
}

int JUBLSpeisPresenter::anzahl() const { return p_.z.Menge[453] + p_.z.Menge[456]; }

JUBLSpeisAnsicht JUBLSpeisPresenter::ansicht() const {
    JUBLSpeisAnsicht a;
    a.titel = Text(422);
    a.frmJUBL = Beschriftung{Text(423)};
    a.lblJUBL = Beschriftung{Text(424)};
    a.label1 = Beschriftung{"JUBL: " + std::to_string(anzahl())};
    a.ok = Schalter{"&OK"};
    return a;
}

bool JUBLSpeisPresenter::ok() {
    if (p_.z.AnzJUBL <= anzahl()) return true;
    ms_.frage(Nr(122) + "?", Schaltflaechen::Ok, Symbol::Frage);
    return false;
}

}  // namespace tarvis
