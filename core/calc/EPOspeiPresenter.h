#pragma once
#include <string>

#include "projekt/Programm.h"

namespace tarvis {

struct EPOspeiAnsicht {
    std::string titel, rahmen, peripherie, netz, hinweis, ok;
    bool peripherieAn = true, netzAn = true;
};

// The hand-over options window EPOspei: which parts of the material list go
// into the .EPO file. Each click stores its variable at once; OK confirms
// the choice for this project (EPOAbgefragt = 1).
class EPOspeiPresenter {
public:
    explicit EPOspeiPresenter(Programm& p) : p_(p) {}

    EPOspeiAnsicht ansicht() const;
    void peripherieKlick(bool an) { p_.z.EPOPeri = an ? 1 : 0; }
    void netzKlick(bool an) { p_.z.EPONetz = an ? 1 : 0; }
    // Always closes the window.
    bool ok();

private:
    Programm& p_;
};

}  // namespace tarvis
