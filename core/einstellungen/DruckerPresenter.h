#pragma once
#include <string>

#include "projekt/MessageService.h"
#include "projekt/Programm.h"

namespace tarvis {

struct DruckerAnsicht {
    std::string titel, groesseRahmen, schriftRahmen, cour, courNew, ok;
    // Selected size option 8, 10 or 12 (0 none) and font option.
    int groesse = 0;
    enum class Schrift { Keine, Courier, CourierNew } schrift = Schrift::Keine;
};

// The print font window Drucker: font size and font of the printouts.
class DruckerPresenter {
public:
    explicit DruckerPresenter(Programm& p);

    void aktivieren();
    DruckerAnsicht ansicht() const;

    void groesseKlick(int groesse);
    void schriftKlick(DruckerAnsicht::Schrift schrift);
    // The printer takes DruckSchrift and DruckGroesse when it prints; OK closes.
    bool ok() { return true; }

private:
    Programm& p_;
    int groesse_ = 0;
    DruckerAnsicht::Schrift schrift_ = DruckerAnsicht::Schrift::Keine;
};

}  // namespace tarvis
