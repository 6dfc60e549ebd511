#include "ablauf/Eingabefolge.h"

#include "loops/KBNDruck.h"
#include "projekt/Texte.h"
#include "wizard/ZusaetzePresenter.h"

namespace tarvis {

void Eingabefolge::startseiteLoeschen() {
    if (haken_.startseiteLoeschen) haken_.startseiteLoeschen();
}

void Eingabefolge::bearbeiten(int item) {
    // Every item: the master data window takes the project's data when it is
    // shown; the project counts as edited; the start screen goes.
    p_.z.Bearbeitet = 1;
    startseiteLoeschen();
    switch (item) {
    case 0: projekteingabe(); break;
    case 1: ergebnisZeigen(); break;
    case 2: stammdaten(); break;
    case 3: projektdatenLoeschen(); break;
    case 4: kbnEingabe(); break;
    case 6: ms_.oeffnen(Fenster::Texteingabe); break;
    case 7: zusatzfunktionen(); break;
    case 8: olnVernetzung(); break;
    case 9: meldergruppen(); break;
    default: break;  // item 5, the loop entry printout, is the main window's own
    }
}

bool Eingabefolge::zentralenTypSicherstellen() {
    Zustand& z = p_.z;
    if (z.ZentralenTyp != 0) return true;
    z.ZentralenTypAlt = 0;
    z.WeiterOK = 0;
    return ms_.oeffnen(Fenster::ZentTyp);
}

bool Eingabefolge::stammdatenSicherstellen() {
    Zustand& z = p_.z;
    if (z.Projektname == "Projekt1" || z.Projektname.empty()) {
        z.Projektname = "Projekt1";
        z.WeiterOK = 0;
        if (z.StammdatenOK != 1 && !ms_.oeffnen(Fenster::Stammdaten)) return false;
    }
    if (z.Sachbearbeiter.empty()) {
        z.Sachbearbeiter = "Nobody";
        z.WeiterOK = 0;
        if (z.StammdatenOK != 1 && !ms_.oeffnen(Fenster::Stammdaten)) return false;
    }
    return true;
}

void Eingabefolge::projekteingabe() {
    Zustand& z = p_.z;
    if (!zentralenTypSicherstellen()) return;
    if (istDXA1000(z.ZentralenTyp)) {
        ms_.oeffnen(Fenster::DXA1000);
        return;
    }
    if (istPeriStrom(z.ZentralenTyp)) {
        ms_.oeffnen(Fenster::PeriStrom);
        return;
    }
    if (!stammdatenSicherstellen()) return;
    z.WeiterOK = 0;
    if (z.ModusOK == 0 && !ms_.oeffnen(Fenster::Modus)) return;
    // The loop entry is left either way; the sequence goes on with its
    // printout, then the additional functions.
    ms_.oeffnen(Fenster::KBNEIN);
    if (auto auftrag = KBNDrucken(p_, ms_))
        if (haken_.drucken) haken_.drucken(*auftrag);
    z.WeiterOK = 0;
    if (ms_.oeffnen(Fenster::Zusaetze)) {
        if (haken_.berechnen) haken_.berechnen();
        ms_.oeffnen(Fenster::Ausgabe);
    } else {
        startseiteLoeschen();
    }
}

void Eingabefolge::ergebnisZeigen() {
    // The forward checks of the additional functions report what is missing;
    // the calculation follows whatever they found.
    ZusaetzePresenter zusaetze(p_, ms_);
    zusaetze.weiter();
    if (haken_.berechnen) haken_.berechnen();
    ms_.oeffnen(Fenster::Ausgabe);
}

void Eingabefolge::stammdaten() {
    Zustand& z = p_.z;
    if (z.Projektname.empty()) z.Projektname = "Projekt1";
    if (z.Sachbearbeiter.empty()) z.Sachbearbeiter = "Nobody";
    z.WeiterOK = 0;
    ms_.oeffnen(Fenster::Stammdaten);
}

void Eingabefolge::projektdatenLoeschen() {
    Zustand& z = p_.z;
    if (ms_.frage(Nr(289), Schaltflaechen::JaNein) != Antwort::Ja) return;
    z.NetzBehalten = 0;
    ProjektZuruecksetzen(z);  // also disables "show result"
    z.OLNMenueAktiv = 0;
    ms_.meldung(Symbol::Keins, Nr(290));
}

void Eingabefolge::kbnEingabe() {
    if (!zentralenTypSicherstellen()) return;
    ms_.oeffnen(Fenster::KBNEIN);
}

void Eingabefolge::zusatzfunktionen() {
    if (!zentralenTypSicherstellen()) return;
    // The standalone parts have no additional functions.
    if (p_.z.ZentralenTyp > 6) return;
    p_.z.WeiterOK = 0;
    if (!ms_.oeffnen(Fenster::Zusaetze)) startseiteLoeschen();
}

void Eingabefolge::olnVernetzung() {
    int typ = p_.z.ZentralenTyp;
    if (!istKVT2000(typ)) return;
    p_.z.WeiterOK = 0;
    ms_.oeffnen(Fenster::OLNVernetz);
}

void Eingabefolge::meldergruppen() { ms_.oeffnen(Fenster::MG1000); }

}  // namespace tarvis
