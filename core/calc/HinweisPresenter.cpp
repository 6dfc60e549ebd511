#include "calc/HinweisPresenter.h"

#include <algorithm>

#include "calc/Batterien.h"
#include "calc/Bericht.h"
#include "projekt/Format.h"
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
    a.neben.assign(a.zeilen.size(), std::string());
    const auto batterien = std::find(a.zeilen.begin(), a.zeilen.end(), Text(597));
    if (const auto stunden = Autonomie(p_.z); stunden && batterien != a.zeilen.end())
        a.neben[static_cast<std::size_t>(batterien - a.zeilen.begin())] =
            Text(2173) + ": " + ZahlText(*stunden) + " " + Text(2174);
    ansicht_ = std::move(a);
}

}  // namespace tarvis
