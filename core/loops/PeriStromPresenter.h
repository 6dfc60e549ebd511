#pragma once
#include <array>
#include <string>

#include "loops/PeriListe.h"
#include "projekt/Zaehlgruppe.h"

namespace tarvis {

// What the standalone current calculation keeps for the whole run of the
// program (it is no part of any project).
struct PeriStromDaten {
    SatzArray<Integer> PeriMenge{};
    // 0 none, 1 PQK 100 four-wire, 2 PQV 100 at 12 V, 3 PQV 100 at 28 V, 4 PQB 100, 5 PQS 100.
    Integer Koppler = 0;
};

// The four sums of the result, mA. They are kept wider than the windows'
// 16 bits: four-digit quantities of devices drawing hundreds of mA would
// otherwise overflow.
struct PeriStromSummen {
    double ruhe12 = 0, alarm12 = 0, ruhe28 = 0, alarm28 = 0;
};

struct PeriStromAnsicht {
    std::string titel;
    PeriListeAnsicht liste;
    Beschriftung lblUebertrag, frmKoppler, fraDUV, lblMengeDUV;
    std::array<Schalter, 6> koppler;  // optKeiner, optPQK, optPQV12, optPQV28, optPQB, optPQS
    Schalter ok, loeschen, hilfe;
};

// PeriStrom: the local current calculation of peripheral devices fed by a
// KBN coupler module and DUV 100 KBN modules, outside any panel project.
class PeriStromPresenter : public PeriListe {
public:
    PeriStromPresenter(Programm& p, MessageService& ms, PeriStromDaten& daten);

    void aktivieren();
    PeriStromAnsicht ansicht() const;
    void koppler(int k) { daten_.Koppler = static_cast<Integer>(k); }
    // The DUV box (txtDUV / hsbDUV), field 0; it stores AnzDUV.
    Zaehlgruppe& duv() { return duv_; }
    void hilfe() { ms_.hilfe(100); }

    PeriStromSummen summen() const;
    // cmdOK: shows the four sums and asks whether to correct the input; true
    // (No) closes the window, false (Yes) keeps it open with everything entered.
    bool ok();
    // cmdLöschen: after question 149 the quantities and the coupler go.
    void loeschen();

private:
    PeriStromDaten& daten_;
    Zaehlgruppe duv_;
};

}  // namespace tarvis
