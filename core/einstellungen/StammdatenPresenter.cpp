#include "einstellungen/StammdatenPresenter.h"

#include "projekt/Namensregeln.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace {

bool standardProjektname(const std::string& s) { return s.empty() || s == "Projekt1"; }
bool standardSachbearbeiter(const std::string& s) { return s.empty() || s == "Nobody"; }

}  // namespace

StammdatenPresenter::StammdatenPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

void StammdatenPresenter::aktivieren() {
    Zustand& z = p_.z;
    if (z.Projektname.empty()) z.Projektname = "Projekt1";
    if (z.Sachbearbeiter.empty()) z.Sachbearbeiter = "Nobody";
    altName_.clear();
    if (!z.AltSachbearbeiter.empty() && z.AltSachbearbeiter != z.Sachbearbeiter)
        altName_ = "Früherer Sachbearbeiter: " + z.AltSachbearbeiter;
    fokus_ = 1;
}

std::string& StammdatenPresenter::variable(int feld) {
    Zustand& z = p_.z;
    switch (feld) {
    case 1: return z.Projektname;
    case 2: return z.Angebotsnummer;
    case 3: return z.Bestellnummer;
    case 4: return z.Baupapiernummer;
    case 5: return z.Auftragsnummer;
    default: return z.Sachbearbeiter;
    }
}

void StammdatenPresenter::setzeText(int feld, const std::string& text) {
    if (!TextSpeicherbar(text)) {
        ms_.piepen();
        variable(feld) = OhneAnfuehrungszeichen(text);
        return;
    }
    variable(feld) = text;
}

bool StammdatenPresenter::taste(int feld, char32_t zeichen) {
    if (!ZeichenSpeicherbar(zeichen)) {
        ms_.piepen();
        return false;
    }
    // The first key typed replaces the default name instead of extending it.
    if (feld == 1 && p_.z.Projektname == "Projekt1") p_.z.Projektname.clear();
    return true;
}

bool StammdatenPresenter::ok() {
    Zustand& z = p_.z;
    if (z.Projektname.empty()) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(84));
        fokus_ = 1;
        return false;
    }
    if (z.Sachbearbeiter.empty()) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(85));
        fokus_ = 6;
        return false;
    }
    if (NameUngueltig(z.Projektname)) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(73));
        fokus_ = 1;
        return false;
    }
    z.StammdatenOK = 1;
    z.WeiterOK = 1;
    BelegtSetzen(p_);
    return true;
}

StammdatenAnsicht StammdatenPresenter::ansicht() const {
    const Zustand& z = p_.z;
    StammdatenAnsicht a;
    a.titel = Text(77);
    a.ok = "&OK";
    for (int i = 1; i <= 6; ++i) a.beschriftung[static_cast<std::size_t>(i)] = Text(77 + i);
    a.texte = {"", z.Projektname, z.Angebotsnummer, z.Bestellnummer, z.Baupapiernummer, z.Auftragsnummer,
               z.Sachbearbeiter};
    a.projektHinweis = Text(84);
    a.sachHinweis = Text(157);
    a.projektHinweisSichtbar = standardProjektname(z.Projektname);
    a.sachHinweisSichtbar = standardSachbearbeiter(z.Sachbearbeiter);
    a.altName = altName_;
    return a;
}

}  // namespace tarvis
