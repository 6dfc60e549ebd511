#include "wizard/Auswahldialoge.h"

#include "projekt/Texte.h"

namespace tarvis {

namespace {

AuswahlOption option(std::string name, std::string text, bool gewaehlt, bool aktiv = true) {
    return AuswahlOption{std::move(name), Schalter{std::move(text), aktiv, gewaehlt}};
}

}  // namespace

// --- MG1000 ---

namespace {
constexpr int kMG[] = {10, 16, 24, 127};
}

void MG1000Presenter::aktivieren() {
    Integer mg = p_.z.AnzMG;
    if (mg != 10 && mg != 16 && mg != 24) waehlen(3);
}

AuswahlAnsicht MG1000Presenter::ansicht() const {
    AuswahlAnsicht a;
    a.name = "MG1000";
    a.titel = Text(356);
    a.rahmenName = "Frame1";
    a.rahmen = Text(357);
    const char* namen[] = {"opt10MG", "opt16MG", "opt24MG", "opt127MG"};
    for (int i = 0; i < 4; ++i)
        a.optionen.push_back(option(namen[i], std::to_string(kMG[i]) + " MG", p_.z.AnzMG == kMG[i]));
    a.hinweisName = "Label1";
    a.hinweis = Text(358);
    return a;
}

void MG1000Presenter::waehlen(int index) {
    if (index >= 0 && index < 4) p_.z.AnzMG = static_cast<Integer>(kMG[index]);
}

// --- MG_EAZ ---

void MGEAZPresenter::aktivieren() {
    // The 32-zone display exists only in the German language version.
    mg32Aktiv_ = p_.z.Sprache == 1;
    waehlen(mg32Aktiv_ ? 1 : 0);
}

AuswahlAnsicht MGEAZPresenter::ansicht() const {
    AuswahlAnsicht a;
    a.name = "MG_EAZ";
    a.titel = Text(351);
    a.rahmenName = "Frame1";
    a.rahmen = Text(355);
    a.optionen.push_back(option("opt0mg", Text(353), p_.z.MGEAZ == 1));
    a.optionen.push_back(option("opt32mg", Text(354), p_.z.MGEAZ == 2, mg32Aktiv_));
    a.hinweisName = "Label1";
    a.hinweis = Text(352);
    return a;
}

void MGEAZPresenter::waehlen(int index) {
    if (index == 1 && !mg32Aktiv_) return;
    p_.z.MGEAZ = index == 1 ? 2 : 1;
}

bool MGEAZPresenter::ok() {
    p_.z.WeiterOK = 1;
    return true;
}

// --- GMAwechsel ---

void GMAwechselPresenter::aktivieren() {
    wahl_ = 0;
    eingeschraenkt_ = p_.z.ZentralenTyp > 6;
}

AuswahlAnsicht GMAwechselPresenter::ansicht() const {
    AuswahlAnsicht a;
    a.name = "GMAwechsel";
    a.titel = Text(698);
    a.rahmenName = "Frame1";
    a.optionen.push_back(option("optKein", Text(699), wahl_ == 0));
    a.optionen.push_back(option("optNeu", Text(700), wahl_ == 1, !eingeschraenkt_));
    a.optionen.push_back(option("optWechsel1", Text(701), wahl_ == 2));
    a.optionen.push_back(option("optWechsel2", Text(702), wahl_ == 3, !eingeschraenkt_));
    return a;
}

void GMAwechselPresenter::zuruecksetzen(bool netzBehalten) {
    Zustand& z = p_.z;
    z.ZentralenTypAlt = z.ZentralenTyp;
    z.NetzBehalten = netzBehalten ? 1 : 0;
    ProjektZuruecksetzen(z);
    z.NetzBehalten = 0;
    z.OLNMenueAktiv = 0;
}

bool GMAwechselPresenter::ok() {
    Zustand& z = p_.z;
    switch (wahl_) {
    case 1:
        if (ms_.frage(Nr(289), Schaltflaechen::JaNein) != Antwort::Ja) return false;
        zuruecksetzen(false);
        z.ZentralenTyp = z.ZentralenTypAlt;  // same panel, new project
        z.ZentralenName = ZentralenNameFuer(z.ZentralenTyp);  // for the captions of the input windows
        ms_.meldung(Symbol::Keins, Nr(290));
        return true;
    case 2:
        if (ms_.frage(Nr(289), Schaltflaechen::JaNein) != Antwort::Ja) return false;
        zuruecksetzen(false);
        ms_.meldung(Symbol::Keins, Nr(290));
        break;
    case 3: {
        if (ms_.frage(Nr(685), Schaltflaechen::JaNein) != Antwort::Ja) return false;
        // The loop elements and the standby time survive this change.
        Integer ueZeit = z.UeZeit;
        zuruecksetzen(true);
        z.UeZeit = ueZeit;
        ms_.meldung(Symbol::Keins, Nr(349));
        break;
    }
    default:
        return true;
    }
    z.WeiterOK = 0;
    return ms_.oeffnen(Fenster::ZentTyp);
}

// --- WEKfrage ---

// A setting that no option shows (a damaged settings file) is shown and held
// as "no", the way the loop entry already treats it.
void WEKfragePresenter::aktivieren() { waehlen(p_.z.WEKAbfrage == 1 ? 0 : 1); }

AuswahlAnsicht WEKfragePresenter::ansicht() const {
    AuswahlAnsicht a;
    a.name = "WEKfrage";
    a.titel = Text(762);
    a.rahmenName = "fra1";
    a.rahmen = Text(763);
    a.optionen.push_back(option("optFrageJa", Text(134), p_.z.WEKAbfrage == 1));
    a.optionen.push_back(option("optFrageNein", Text(135), p_.z.WEKAbfrage == 0));
    a.hilfeName = "cmdHilfe";
    a.hilfeText = Text(37);
    return a;
}

void WEKfragePresenter::waehlen(int index) { p_.z.WEKAbfrage = index == 0 ? 1 : 0; }

// --- BranotWahl ---

// Anything but fire is listed as intrusion; the option shown says so.
void BranotWahlPresenter::aktivieren() { waehlen(p_.z.Schwerpunkt == "B" ? 0 : 1); }

AuswahlAnsicht BranotWahlPresenter::ansicht() const {
    AuswahlAnsicht a;
    a.name = "BranotWahl";
    a.titel = Text(190);
    a.rahmenName = "Frame1";
    a.rahmen = Text(193);
    a.optionen.push_back(option("optBrand", Text(191), p_.z.Schwerpunkt == "B"));
    a.optionen.push_back(option("optNotruf", Text(192), p_.z.Schwerpunkt == "N"));
    return a;
}

void BranotWahlPresenter::waehlen(int index) { p_.z.Schwerpunkt = index == 0 ? "B" : "N"; }

}  // namespace tarvis
