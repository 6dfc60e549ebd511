#pragma once
#include <string>

#include "projekt/Zaehlgruppe.h"
#include "projekt/Bedienelemente.h"
#include "projekt/Programm.h"

namespace tarvis {

struct JUBLSpeisAnsicht {
    std::string titel;
    Beschriftung frmJUBL, lblJUBL, label1;
    Schalter ok;
};

// JUBLSpeis, opened by the calculation: how many of the project's JUBL
// display-panel controls get their 28 V from the system.
class JUBLSpeisPresenter {
public:
    JUBLSpeisPresenter(Programm& p, MessageService& ms);

    JUBLSpeisAnsicht ansicht() const;
    Zaehlgruppe& felder() { return felder_; }
    // The JUBL controls of the project (records 453 and 456).
    int anzahl() const;
    // OK: more than there are is refused.
    bool ok();

private:
    Programm& p_;
    MessageService& ms_;
    Zaehlgruppe felder_;
};

}  // namespace tarvis
