#include "ablauf/OeffnenPresenter.h"

#include "projekt/Dateiliste.h"
#include "projekt/ProjektDatei.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

void OeffnenPresenter::aktivieren() {
    OeffnenAnsicht& a = ansicht_;
    a.titel = Text(46);
    a.lblName = Text(47);
    a.lblVerzeichnis = Text(48);
    a.ok = "OK";
    a.abbrechen = Text(50);
    verzeichnisSetzen(DialogStartverzeichnis(p_, ms_).string());
}

void OeffnenPresenter::verzeichnisSetzen(const std::string& verzeichnis) {
    ansicht_.verzeichnis = verzeichnis;
    ansicht_.dateien = DateienMitEndung(verzeichnis, ".PLM");
}

OeffnenPresenter::Ergebnis OeffnenPresenter::oeffnen(const std::optional<std::string>& datei) {
    if (!datei || datei->empty()) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(364));
        return Ergebnis::Bleibt;
    }
    switch (ProjektOeffnen(p_, ms_, fs::path(ansicht_.verzeichnis) / *datei)) {
    case LadeErgebnis::Geladen: return Ergebnis::Geladen;
    // Nothing has changed: another file can be chosen.
    case LadeErgebnis::KeinProjekt:
    case LadeErgebnis::NichtLesbar: return Ergebnis::Bleibt;
    case LadeErgebnis::Lesefehler:
    case LadeErgebnis::Abgelehnt: break;
    }
    return Ergebnis::Geschlossen;
}

}  // namespace tarvis
