#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct PQKSpeisungAnsicht {
    std::string titel;
    Beschriftung fraAnzahl, lblPQK12, lblPQK28, lblVarianten, lblSumme;
    Schalter weiter, hilfe;
};

// PQKSpeisung: how many PQK modules are fed with 12 V and how many with 28 V
// from the system; the others are fed on site.
class PQKSpeisungPresenter {
public:
    enum Feld : int { PQK12, PQK28 };

    PQKSpeisungPresenter(Programm& p, MessageService& ms);

    // On show: with no feed entered yet, all modules are fed with 12 V.
    void aktivieren();
    PQKSpeisungAnsicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    void hilfe() { ms_.hilfe(50); }
    // cmdWeiter: a feed count other than the module count is asked (416/418).
    bool weiter();

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
};

}  // namespace tarvis
