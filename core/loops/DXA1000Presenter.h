#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct DXA1000Ansicht {
    std::string titel;
    Beschriftung label1, label2, frmBranot, frmStromEin, lblUezeit, lblRuhe, lblAlarm, lbl12, lbl24, lbl28, lbl35;
    Schalter brand, notruf, weiter, zurueck, hilfe;
};

// DXA1000: the input of the standalone DXA 1000 sizing (alarm kind, standby
// time, quiescent and alarm currents per voltage); its forward button opens
// the result DXAErg.
class DXA1000Presenter {
public:
    enum Feld : int { Uezeit, Ruhe12, Ruhe24, Ruhe28, Ruhe35, Alarm12, Alarm24, Alarm28, Alarm35 };

    DXA1000Presenter(Programm& p, MessageService& ms);

    // On show: the alarm kind shown is the one held. Only "B" is fire; any
    // other kind shows intrusion, as the result counts it.
    void aktivieren() {
        if (!(p_.z.Alarmart == "B")) alarmart(false);
    }
    DXA1000Ansicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    // optBrand (true) / optNotruf.
    void alarmart(bool brand) { p_.z.Alarmart = brand ? "B" : "N"; }
    void hilfe() { ms_.hilfe(90); }
    // cmdWeiter: checks the input and shows the result; the window stays
    // open for further runs. True when the result was shown.
    bool weiter();
    // cmdZurück: the window closes; printing a loop entry makes no sense for
    // the standalone unit.
    void zurueck() { p_.z.KBNMenueAktiv = 0; }

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
};

}  // namespace tarvis
