#include "wizard/OLNVernetzPresenter.h"

#include "projekt/Texte.h"
#include "projekt/Schnittstellen.h"

namespace tarvis {

namespace {

std::array<Byte*, 3> seite(Zustand& z, int s) {
    if (s == 1) return {&z.OLN1a, &z.OLN1b, &z.OLN1c};
    return {&z.OLN2a, &z.OLN2b, &z.OLN2c};
}

int anzahl(Zustand& z, int s) {
    int n = 0;
    for (Byte* f : seite(z, s)) n += *f != 0 ? 1 : 0;
    return n;
}

// The option shown for a side: the first flag set, else the optical coupler.
int gezeigt(Zustand& z, int s) {
    auto f = seite(z, s);
    for (int i = 0; i < 3; ++i)
        if (*f[static_cast<std::size_t>(i)] == 1) return i;
    return 0;
}

}  // namespace

void OLNVernetzPresenter::gezeigteAnschluesse() {
    Zustand& z = p_.z;
    for (int s = 1; s <= 2; ++s) anschluss(s, gezeigt(z, s));
}

void OLNVernetzPresenter::aktivieren() {
    Zustand& z = p_.z;
    // The options shown run their clicks: a panel not shown as networked has
    // no links, and each side of a networked one holds exactly the link shown.
    if (z.OLNJa != 1) vernetzt(false);
    else gezeigteAnschluesse();
}

OLNVernetzAnsicht OLNVernetzPresenter::ansicht() const {
    Zustand& z = p_.z;
    const int typ = z.ZentralenTyp;
    const bool ja = z.OLNJa == 1;
    OLNVernetzAnsicht a;
    a.titel = Text(656);
    a.oln = JaNein(Text(656), ja);
    a.fraName = Beschriftung{Text(518), ja, true};
    a.name = z.OLNName.trimmed();
    a.nameAktiv = ja;
    a.fraAnschluss1 = Beschriftung{Text(512), ja, true};
    a.fraAnschluss2 = Beschriftung{Text(513), ja, true};
    const int texte[] = {514, 515, 516};
    int g1 = gezeigt(z, 1), g2 = gezeigt(z, 2);
    for (int i = 0; i < 3; ++i) {
        a.seite1[static_cast<std::size_t>(i)] = Schalter{Text(texte[i]), ja, g1 == i};
        a.seite2[static_cast<std::size_t>(i)] = Schalter{Text(texte[i]), ja, g2 == i};
    }
    a.lblMax6 = Beschriftung{Text(524), ja, true};
    std::string hinweis = istKVT2000_1(typ) || istKVT2000B(typ) ? Text(523) + " " + Text(525) : std::string();
    a.lblHinweis = Beschriftung{hinweis, true, ja};
    a.lbl2006 = Beschriftung{Text(761), istKVT2000B(typ), true};
    a.hilfeOLN = Schalter{Text(756), true, false};
    a.hilfe2006 = Schalter{Text(757), istKVT2000B(typ), false};
    a.weiter = Schalter{"&Weiter", true, false};
    return a;
}

void OLNVernetzPresenter::vernetzt(bool ja) {
    Zustand& z = p_.z;
    z.OLNJa = ja ? 1 : 0;
    if (ja) {
        gezeigteAnschluesse();
    } else {
        // A panel outside the ring has no links: none may count as an interface.
        for (int s = 1; s <= 2; ++s)
            for (Byte* f : seite(z, s)) *f = 0;
    }
}

void OLNVernetzPresenter::anschluss(int s, int art) {
    auto f = seite(p_.z, s);
    for (int i = 0; i < 3; ++i) *f[static_cast<std::size_t>(i)] = i == art ? 1 : 0;
}

bool OLNVernetzPresenter::weiter() {
    Zustand& z = p_.z;
    if (z.OLNJa == 0)
        for (int s = 1; s <= 2; ++s)
            for (Byte* f : seite(z, s)) *f = 0;
    int n1 = anzahl(z, 1), n2 = anzahl(z, 2);
    if (n1 > 2 || n2 > 2) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(510));
        return false;
    }
    if (z.OLNJa == 1 && n1 == 0 && n2 == 0) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(517));
        return false;
    }
    if (z.OLNJa == 1 && (n1 == 0) != (n2 == 0)) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(509));
        return false;
    }
    z.OLNMenueAktiv = 1;
    // The links are interfaces of the panel; the check only warns here.
    SchnittstellenPruefen(z, ms_);
    z.WeiterOK = 1;
    return true;
}

}  // namespace tarvis
