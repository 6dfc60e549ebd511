#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct HY100Ansicht {
    std::string titel;
    Beschriftung frmPQK, frmPQV, lblRelPQK28, lblRelPQK12, lblRelPQV28, lblRelPQV12, lblNormal, lblInvers;
    Beschriftung label1, label2, label3, label4, label5, label6, lblPQK, lblPQV;
    Schalter weiter;
};

// HY100: how the contacts of the HY 100 relay cards on the PQK and PQV
// modules are used (at 28 V or 12 V, closing or opening in the alarm case).
class HY100Presenter {
public:
    enum Feld : int { PQKnorm28, PQKinv28, PQKnorm12, PQKinv12, PQVnorm28, PQVinv28, PQVnorm12, PQVinv12 };

    HY100Presenter(Programm& p, MessageService& ms);

    HY100Ansicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    // cmdWeiter: the contact counts are only questioned; every warning can be
    // passed with Yes.
    bool weiter();

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
};

}  // namespace tarvis
