#include "calc/EPOspeiPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

EPOspeiAnsicht EPOspeiPresenter::ansicht() const {
    EPOspeiAnsicht a;
    a.titel = "Übergabedatei für OKTA beeinflussen";
    a.rahmen = "An OKTA übergeben, falls enthalten";
    a.peripherie = "Peripherie (Melder etc.)";
    a.netz = "Netzelemente";
    a.hinweis = Text(460);
    a.ok = "OK";
    a.peripherieAn = p_.z.EPOPeri == 1;
    a.netzAn = p_.z.EPONetz == 1;
    return a;
}

bool EPOspeiPresenter::ok() {
    p_.z.EPOAbgefragt = 1;
    return true;
}

}  // namespace tarvis
