#include "calc/HinweisPresenter.h"

#include "calc/Bericht.h"
#include "projekt/Texte.h"

namespace tarvis {

void HinweisPresenter::aktivieren() {
    // The report names the panel. A project entered since start-up has had
    // no title refresh that set the display name; the flags of an opened
    // project stay as the open set them.
    Zustand anzeige;
    ZentralenNameSetzen(anzeige, p_.z.ZentralenTyp);
    p_.z.ZentralenName = anzeige.ZentralenName;

    HinweisAnsicht a;
    a.titel = Text(320);
    a.drucken = Text(319);
    a.ok = "&OK";
    a.zeilen = HinweisAktivieren(p_, ms_);
    ansicht_ = std::move(a);
}

}  // namespace tarvis
