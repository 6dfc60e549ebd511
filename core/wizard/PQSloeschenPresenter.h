#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct PQSloeschenAnsicht {
    std::string titel;
    JaNeinAnsicht loeschen, doppeln;  // frmLöschen, frmDoppeln
    Beschriftung frmSchalten, lblMRVN, lblNormal, lblInvers, lblMaxSchalten, frmSteuern, lblVOG, lblMaxVOG;
    Schalter weiter;
};

// PQSloeschen: extinguishing through the PQS couplers, doubling of the DKM
// loop card, switching outputs and VOG relays driven by the couplers.
class PQSloeschenPresenter {
public:
    enum Feld : int { SchaltenNorm, SchaltenInv, VOG };

    PQSloeschenPresenter(Programm& p, MessageService& ms);

    void aktivieren();
    PQSloeschenAnsicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    void loeschen(bool ja) { p_.z.Loeschen = ja ? 1 : 0; }
    void doppeln(bool ja) { p_.z.Doppeln = ja ? "J" : "N"; }
    // The loops with at least one loop element (504..700).
    int belegteSchleifen() const;
    // cmdWeiter: true when the counts fit the couplers and the panel.
    bool weiter();

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
};

}  // namespace tarvis
