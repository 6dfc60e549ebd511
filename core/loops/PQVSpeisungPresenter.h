#pragma once
#include <array>
#include <string>

#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct PQVSpeisungAnsicht {
    std::string titel;
    Beschriftung label1, label2, frmPQVspeis;
    std::array<Schalter, 3> optionen;  // optPQV12KVT, optPQV28KVT, optPQV12Ort
    Schalter weiter;
};

// PQVSpeisung: the PQV modules are fed over a 12 V or a 28 V line from the
// system (PQVspeis 1, 2) or with 12 V on site (3).
class PQVSpeisungPresenter {
public:
    explicit PQVSpeisungPresenter(Programm& p) : p_(p) {}

    // On show: no feed chosen yet means the first option.
    void aktivieren();
    PQVSpeisungAnsicht ansicht() const;
    // Option 0..2.
    void waehlen(int option) { p_.z.PQVspeis = static_cast<Integer>(option + 1); }
    bool weiter() { return true; }

private:
    Programm& p_;
};

}  // namespace tarvis
