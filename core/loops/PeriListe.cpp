#include "loops/PeriListe.h"

#include "projekt/Texte.h"

namespace tarvis {

PeriListe::PeriListe(Programm& p, MessageService& ms, SatzArray<Integer>& mengen)
    : p_(p),
      ms_(ms),
      raster_(1, false, 4, [&mengen](int satz, int) { return static_cast<long long>(mengen[satz]); },
              [&mengen](int satz, int, long long q) { mengen[satz] = static_cast<Integer>(q); }) {}

void PeriListe::aufbauen(bool brandCode) {
    const bool sachnummer = p_.z.CodeModus == "S";
    raster_.setzeKopf({Text(104), Text(105), sachnummer ? Text(106) : Text(107), Text(108)});
    raster_.aufbauen(p_.katalog, RasterAufbau{kPeriErster, kPeriLetzter, sachnummer, brandCode, false});
}

PeriListeAnsicht PeriListe::listeAnsicht() const {
    PeriListeAnsicht a;
    a.lblMengenEin = Beschriftung{Text(114)};
    a.lblSchnellsuche1 = Beschriftung{Text(110)};
    a.lblSchnellsuche2 = Beschriftung{Text(111)};
    a.lblSuche = Beschriftung{raster_.suchtext()};
    a.lblElemente = Beschriftung{Text(118)};
    a.boxSichtbar = raster_.eingabeMoeglich();
    return a;
}

}  // namespace tarvis
