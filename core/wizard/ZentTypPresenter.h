#pragma once
#include <array>
#include <string>

#include "projekt/Bedienelemente.h"
#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

// What the panel type dialog shows; optionen[code] for the codes 1..8.
struct ZentTypAnsicht {
    std::string titel, rahmen, autark;
    std::array<Schalter, 9> optionen;
    std::string weiter, hilfe1, hilfe2;
};

// The panel type dialog ZentTyp: the panel type code and what comes with it
// (alarm kind, detector zones, the loops that exist, networking).
class ZentTypPresenter {
public:
    ZentTypPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

    // Each time the dialog is shown.
    void aktivieren();
    ZentTypAnsicht ansicht() const;
    // Option click: the panel type and the variables of its row.
    void waehlen(int code);
    // cmdWeiter; true when the dialog closes confirmed.
    bool weiter();
    void hilfe1() { ms_.hilfe(140); }
    void hilfe2() { ms_.hilfe(3); }

private:
    void klick(int code);  // what the option's click does, also for a disabled option set from code

    Programm& p_;
    MessageService& ms_;
};

// The names of the options by code (optKVT1N ... optLokal).
const char* ZentTypOptionName(int code);

}  // namespace tarvis
