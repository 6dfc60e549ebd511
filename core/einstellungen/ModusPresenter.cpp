#include "einstellungen/ModusPresenter.h"

#include "projekt/Texte.h"

namespace tarvis {

namespace {

const char* const kSprachen[kAnzahlSprachen + 1] = {"",        "German",    "English", "Italian", "Dutch",  "Portuguese",
                                                     "Hungarian", "Spanish", "Danish",  "Czech",   "Polish", "French"};

}  // namespace

ModusPresenter::ModusPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) { spracheAktiv_.fill(true); }

void ModusPresenter::aktivieren() {
    Zustand& z = p_.z;
    // From now on the project counts as calculated in the current mode.
    z.ProjCodeModus = z.CodeModus;
    // The stored language is read before the mode is shown: choosing LIBEX
    // chooses German.
    const int s = z.Sprache;
    modusSetzen(z.CodeModus == "S" ? 'S' : 'V');
    // No language yet selects German without choosing it, so that OK can
    // still ask for one.
    if (s == 0 && z.Sprache == 0) {
        sprache_ = 1;
        return;
    }
    spracheSetzen(s >= 1 && s <= kAnzahlSprachen ? s : 1);
}

void ModusPresenter::modusSetzen(char modus) {
    if (modus_ == modus) return;
    modusKlick(modus);
}

void ModusPresenter::spracheSetzen(int sprache) {
    if (sprache_ == sprache) return;
    spracheKlick(sprache);
}

void ModusPresenter::modusKlick(char modus) {
    Zustand& z = p_.z;
    modus_ = modus;
    if (modus == 'S') {
        z.CodeModus = "S";
        spracheAktiv_.fill(true);
    } else {
        // LIBEX codes exist for the German version only.
        z.CodeModus = "V";
        for (int i = 2; i <= kAnzahlSprachen; ++i) spracheAktiv_[static_cast<std::size_t>(i)] = false;
        spracheKlick(1);  // German is chosen, not only shown
    }
}

void ModusPresenter::spracheKlick(int sprache) {
    if (sprache < 1 || sprache > kAnzahlSprachen) return;
    sprache_ = sprache;
    p_.z.Sprache = static_cast<Byte>(sprache);
    if (sprache == 1) {
        libexAktiv_ = true;
    } else {
        libexAktiv_ = false;
        modusSetzen('S');
    }
}

void ModusPresenter::hilfe() { ms_.hilfe(130); }

bool ModusPresenter::ok() {
    Zustand& z = p_.z;
    if (z.CodeModus == "S" && z.Sprache == 0) {
        ms_.meldung(Symbol::Ausrufezeichen, Text(765));
        return false;
    }
    z.ModusOK = 1;
    z.WeiterOK = 1;
    return true;
}

ModusAnsicht ModusPresenter::ansicht() const {
    ModusAnsicht a;
    a.titel = Text(175);
    a.modusRahmen = Text(17);
    a.sachnr = Text(176);
    a.libex = Text(177);
    a.spracheRahmen = Text(764);
    a.hilfe = Text(37);
    a.ok = "&OK";
    a.modus = modus_;
    a.libexAktiv = libexAktiv_;
    for (int i = 1; i <= kAnzahlSprachen; ++i) a.sprachen[static_cast<std::size_t>(i)] = kSprachen[i];
    a.spracheAktiv = spracheAktiv_;
    // Without a language chosen no option shows as selected, so that the
    // refusal of OK (765) matches what the user sees.
    a.sprache = p_.z.Sprache == 0 ? 0 : sprache_;
    return a;
}

}  // namespace tarvis
