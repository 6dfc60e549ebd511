#pragma once
#include <string>

#include "loops/PeriListe.h"

namespace tarvis {

struct PERIPHAnsicht {
    std::string titel;
    PeriListeAnsicht liste;
    Beschriftung label1, lblSumme;
    Schalter ok;
};

// PERIPH: the peripheral elements of the project (Menge 320..499), the
// transmission devices counted against the panel and the QX 400 supply question.
class PERIPHPresenter : public PeriListe {
public:
    PERIPHPresenter(Programm& p, MessageService& ms) : PeriListe(p, ms, p.z.Menge) {}

    void aktivieren();
    PERIPHAnsicht ansicht() const;
    // cmdOK: true when the window closes.
    bool ok();
};

// The transmission devices of a project (records 354..362 and 416..430).
int Uebertragungsgeraete(const Zustand& z);

}  // namespace tarvis
