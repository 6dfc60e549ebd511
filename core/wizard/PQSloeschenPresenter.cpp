#include "wizard/PQSloeschenPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

namespace {

// VOG universal relays a panel can drive; the TL 300 sets no limit of its own.
int vogGrenze(int typ) {
    switch (typ) {
    case 1: return 22;
    case 2: case 3: case 4: return 32;
    case 5: return 16;
    default: return 32767;
    }
}

}  // namespace

PQSloeschenPresenter::PQSloeschenPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms), felder_(ms) {
    Zustand& z = p_.z;
    for (Integer* v : {&z.SchaltenNorm, &z.SchaltenInv, &z.VOGanz})
        felder_.hinzufuegen({ZaehlRegel{99, true, true, 2}, [v] { return static_cast<int>(*v); },
                             [v](int w) { *v = static_cast<Integer>(w); }, {}, {}, {}});
}

void PQSloeschenPresenter::aktivieren() {
    Zustand& z = p_.z;
    // The yes/no options run their clicks: a value without an option of its
    // own (a damaged file) is shown and held as "no".
    if (z.Loeschen != 1) z.Loeschen = 0;
    if (!(z.Doppeln == "J")) z.Doppeln = "N";
    for (int f = 0; f < 3; ++f) felder_.zeigen(f);
}

int PQSloeschenPresenter::belegteSchleifen() const {
    int n = 0;
    for (int a = 1; a <= 2; ++a)
        for (int b = 1; b <= 2; ++b)
            for (int i = 504; i <= 700; ++i)
                if (p_.z.KBNWert(a, i, b) > 0) {
                    ++n;
                    break;
                }
    return n;
}

PQSloeschenAnsicht PQSloeschenPresenter::ansicht() const {
    const Zustand& z = p_.z;
    PQSloeschenAnsicht a;
    a.titel = Text(266) + " " + std::to_string(z.AnzPQS) + " PQS";
    a.loeschen = JaNeinAnsicht{Text(267), true, z.Loeschen == 1, z.Loeschen == 0};
    // Doubling the DKM card needs a free half: a KVT 2000 B with fewer than three loops in use.
    const bool dkm = istKVT2000B(z.ZentralenTyp) && belegteSchleifen() < 3;
    a.doppeln = JaNeinAnsicht{Text(268), dkm, z.Doppeln == "J", z.Doppeln == "N"};
    a.frmSchalten = Beschriftung{Text(269)};
    a.lblMRVN = Beschriftung{Text(277)};
    a.lblNormal = Beschriftung{"Normal"};
    a.lblInvers = Beschriftung{"Invers"};
    a.lblMaxSchalten = Beschriftung{"1 / PQS"};
    a.frmSteuern = Beschriftung{Text(270)};
    a.lblVOG = Beschriftung{Text(271)};
    a.lblMaxVOG = Beschriftung{"1 / PQS"};
    a.weiter = Schalter{Text(170)};
    return a;
}

bool PQSloeschenPresenter::weiter() {
    const Zustand& z = p_.z;
    // One switching output per coupler.
    if (z.SchaltenNorm + z.SchaltenInv > z.AnzPQS) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(272));
        return false;
    }
    if (z.VOGanz > z.AnzPQS || z.VOGanz > vogGrenze(z.ZentralenTyp)) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(273));
        return false;
    }
    return true;
}

}  // namespace tarvis
