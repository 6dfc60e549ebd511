#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct PSM300Ansicht {
    std::string titel;
    Beschriftung label1, label3, label4, label5, label8, fraOptionen, lblWandler28, lblVRX;
    Schalter weiter, hilfe;
};

// PSM300: the 28 V transformers and VRX relay modules that go with the PSM
// 300 KBN supplies entered on the loops.
class PSM300Presenter {
public:
    enum Feld : int { VRX, Wandler28 };

    PSM300Presenter(Programm& p, MessageService& ms);

    PSM300Ansicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    void hilfe() { ms_.hilfe(170); }
    // cmdWeiter: at most two relay modules and one transformer per supply.
    bool weiter();

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
};

}  // namespace tarvis
