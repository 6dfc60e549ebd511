#pragma once
#include <array>
#include <string>

#include "projekt/Bedienelemente.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// What the networking window shows.
struct OLNVernetzAnsicht {
    std::string titel;
    JaNeinAnsicht oln;                // fraOLN with optOLNja / optOLNnein
    Beschriftung fraName;
    std::string name;                 // txtName
    bool nameAktiv = false;
    Beschriftung fraAnschluss1, fraAnschluss2;
    std::array<Schalter, 3> seite1;   // optOpto1, optLWL1, optModem1
    std::array<Schalter, 3> seite2;   // optOpto2, optLWL2, optModem2
    Beschriftung lblMax6, lblHinweis, lbl2006;
    Schalter hilfeOLN, hilfe2006, weiter;
};

// The networking window OLNVernetz of the KVT 2000 panels: whether the panel
// is in an OLN ring, its name there and the link on each of its two sides.
class OLNVernetzPresenter {
public:
    OLNVernetzPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

    void aktivieren();
    OLNVernetzAnsicht ansicht() const;

    void vernetzt(bool ja);
    void name(const std::string& text) { p_.z.OLNName = text; }
    // Link kind of side 1 or 2: 0 optical coupler module, 1 fibre optic, 2 modem.
    void anschluss(int seite, int art);
    void hilfeOLN() { ms_.hilfe(70); }
    void hilfe2006() { ms_.hilfe(115); }

    // The forward button; true when the window closes confirmed.
    bool weiter();

private:
    // Each side of a networked panel holds exactly the link its options show:
    // the first one stored, the optical coupler when none is.
    void gezeigteAnschluesse();

    Programm& p_;
    MessageService& ms_;
};

}  // namespace tarvis
