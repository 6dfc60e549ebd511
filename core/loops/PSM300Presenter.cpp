#include "loops/PSM300Presenter.h"

#include "projekt/Texte.h"

namespace tarvis {

PSM300Presenter::PSM300Presenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    Zustand& z = p_.z;
    const ZaehlRegel regel{19, true, true, 2};
    auto neunzehn = [] { return 19; };
    felder_.hinzufuegen({regel, [&z] { return static_cast<int>(z.PSMVRX); },
                         [&z](int w) { z.PSMVRX = static_cast<Integer>(w); }, neunzehn, {}, {}});
    felder_.hinzufuegen({regel, [&z] { return static_cast<int>(z.Wandler28); },
                         [&z](int w) { z.Wandler28 = static_cast<Byte>(w); }, neunzehn, {}, {}});
}

PSM300Ansicht PSM300Presenter::ansicht() const {
    const Zustand& z = p_.z;
    const bool hinweise = !istTL300(z.ZentralenTyp);
    PSM300Ansicht a;
    a.titel = Text(707);
    a.label1 = Beschriftung{Text(708) + " " + std::to_string(z.AnzPSM) + " " + Text(709)};
    a.label3 = Beschriftung{Text(710), true, hinweise};
    a.label4 = Beschriftung{Text(711), true, hinweise};
    a.label5 = Beschriftung{Text(712), true, hinweise};
    a.label8 = Beschriftung{Text(713)};
    a.fraOptionen = Beschriftung{Text(714)};
    a.lblWandler28 = Beschriftung{Text(715)};
    a.lblVRX = Beschriftung{Text(716)};
    a.weiter = Schalter{Text(170)};
    a.hilfe = Schalter{Text(37)};
    return a;
}

bool PSM300Presenter::weiter() {
    const Zustand& z = p_.z;
    if (z.PSMVRX > 2 * z.AnzPSM) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(730));
        return false;
    }
    if (z.Wandler28 > z.AnzPSM) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(731));
        return false;
    }
    return true;
}

}  // namespace tarvis
