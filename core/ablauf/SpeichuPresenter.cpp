#include "ablauf/SpeichuPresenter.h"

#include "projekt/Dateiliste.h"
#include "projekt/Namensregeln.h"
#include "ablauf/SpeichernAblauf.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

SpeichuPresenter::SpeichuPresenter(Programm& p, MessageService& ms, std::string endung,
                                   std::function<void()> startseiteLoeschen)
    : p_(p), ms_(ms), endung_(std::move(endung)), startseiteLoeschen_(std::move(startseiteLoeschen)) {}

std::string SpeichuPresenter::Dateiname(const std::string& verzeichnis, const std::string& name) {
    // A root directory already ends in its separator.
    return (fs::path(verzeichnis) / (name + ".PLM")).string();
}

void SpeichuPresenter::aktivieren() {
    Zustand& z = p_.z;
    vorherName_ = z.Projektname;
    vorherDatei_ = z.ProjektDatei;
    if (z.ProjPfad.empty()) z.ProjPfad = p_.verzeichnis.string();
    verzeichnis_ = DialogStartverzeichnis(p_, ms_).string();
    // Showing the project name is a change of the name box.
    nameSetzen(z.Projektname);
}

SpeichuAnsicht SpeichuPresenter::ansicht() const {
    SpeichuAnsicht a;
    a.titel = Text(54);
    a.lblName = Text(47);
    a.lblVerzeichnis = Text(48);
    a.endung = endung_;
    a.rahmenPara = "PARA-Datei speichern";
    a.paraJa = Text(134);
    a.paraNein = Text(135);
    a.ok = "OK";
    a.abbrechen = Text(50);
    a.name = name_;
    a.verzeichnis = verzeichnis_;
    a.pfad = Dateiname(verzeichnis_, name_);
    a.paraSpeichern = p_.z.ParaSpeichern == 1;
    return a;
}

void SpeichuPresenter::verzeichnisSetzen(const std::string& verzeichnis) { verzeichnis_ = verzeichnis; }

void SpeichuPresenter::nameSetzen(const std::string& name) {
    name_ = name;
    p_.z.ProjektDatei = Dateiname(verzeichnis_, name_);
}

bool SpeichuPresenter::tasteErlaubt(char32_t zeichen) {
    bool erlaubt = ZeichenSpeicherbar(zeichen) && zeichen != U',' && zeichen != U'\\' && zeichen != U'/';
    if (!erlaubt) ms_.piepen();
    return erlaubt;
}

bool SpeichuPresenter::ok() {
    if (name_.empty()) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(84));
        return false;
    }
    if (NameUngueltig(name_) || !TextSpeicherbar(name_)) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(73));
        return false;
    }
    if (verzeichnis_.empty()) verzeichnis_ = p_.verzeichnis.string();
    if (name_.size() > LaengsterProjektname(verzeichnis_)) {
        ms_.meldung(Symbol::Ausrufezeichen, Nr(2020));
        return false;
    }
    p_.z.Projektname = name_;
    p_.z.ProjektDatei = Dateiname(verzeichnis_, name_);
    bestaetigt_ = true;
    return true;
}

void SpeichuPresenter::nachSchliessen() {
    if (!bestaetigt_) return;
    bestaetigt_ = false;
    if (Speichern(p_, ms_, startseiteLoeschen_)) return;
    // Nothing was written under the new name: the project keeps the name and
    // file it had, so that neither the title nor a later save claims a file
    // that is not there.
    p_.z.Projektname = vorherName_;
    p_.z.ProjektDatei = vorherDatei_;
}

}  // namespace tarvis
