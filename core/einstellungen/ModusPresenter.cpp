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
    // The mode is selected first; the LIBEX option's click chooses German, so
    // a LIBEX project of another language comes up as LIBEX and German.
    modusSetzen(z.CodeModus == "S" ? 'S' : 'V');
    const int s = z.Sprache;
    if (s == 0) {
        // No language yet selects German without choosing it, so that OK can
        // still ask for one.
        sprache_ = 1;
    } else {
        // A language without an option of its own shows German and becomes it.
        spracheSetzen(s <= kAnzahlSprachen ? s : 1);
    }
    // From now on the project counts as calculated in the mode shown; only a
    // change the user makes here leaves the two apart.
    z.ProjCodeModus = z.CodeModus;
}

// Selecting an option from code runs its click unless it is selected
// already and the project holds its value.
void ModusPresenter::modusSetzen(char modus) {
    if (modus_ == modus && p_.z.CodeModus == std::string(1, modus)) return;
    modusKlick(modus);
}

void ModusPresenter::spracheSetzen(int sprache) {
    if (sprache_ == sprache && p_.z.Sprache == sprache) return;
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
        ms_.meldung(Symbol::Ausrufezeichen, Nr(765));
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
