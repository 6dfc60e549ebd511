#include "einstellungen/SBWahlPresenter.h"

#include <algorithm>
#include <system_error>

#include "projekt/Arbeitsplatz.h"
#include "einstellungen/SachbearbeiterHinzufuegen.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

namespace {

bool istKonfigDatei(const fs::path& p) { return Grossbuchstaben(p.extension().string()) == ".KON"; }

void sortieren(std::vector<std::string>& v) {
    std::sort(v.begin(), v.end(),
              [](const std::string& a, const std::string& b) { return Grossbuchstaben(a) < Grossbuchstaben(b); });
}

}  // namespace

SBWahlPresenter::SBWahlPresenter(Programm& p, MessageService& ms) : p_(p), ms_(ms) {}

void SBWahlPresenter::aktivieren() {
    std::error_code ec;
    fs::path start = p_.z.KonfigVerz.empty() ? p_.verzeichnis : fs::path(p_.z.KonfigVerz);
    if (!fs::is_directory(start, ec)) start = p_.verzeichnis;
    lesen(start);
}

void SBWahlPresenter::lesen(const fs::path& verzeichnis) {
    // "/a/b/" and "/a/b/c/.." both name /a/b.
    verzeichnis_ = verzeichnis.lexically_normal();
    if (!verzeichnis_.has_filename() && verzeichnis_ != verzeichnis_.root_path())
        verzeichnis_ = verzeichnis_.parent_path();
    verzeichnisse_.clear();
    dateien_.clear();
    gewaehlt_ = -1;
    std::error_code ec;
    for (fs::directory_iterator it(verzeichnis_, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code ec2;
        if (it->is_directory(ec2)) {
            if (name.front() != '.') verzeichnisse_.push_back(name);
        } else if (istKonfigDatei(it->path()) && it->is_regular_file(ec2)) {
            dateien_.push_back(name);
        }
    }
    sortieren(verzeichnisse_);
    sortieren(dateien_);
    if (verzeichnis_ != verzeichnis_.root_path()) verzeichnisse_.insert(verzeichnisse_.begin(), "..");
}

void SBWahlPresenter::verzeichnisOeffnen(int index) {
    if (index < 0 || index >= static_cast<int>(verzeichnisse_.size())) return;
    const std::string& name = verzeichnisse_[static_cast<std::size_t>(index)];
    lesen(name == ".." ? verzeichnis_.parent_path() : verzeichnis_ / name);
}

void SBWahlPresenter::dateiWaehlen(int index) {
    gewaehlt_ = index >= 0 && index < static_cast<int>(dateien_.size()) ? index : -1;
}

void SBWahlPresenter::uebernehmen() {
    // Without a selected file the name ends with the separator: the settings
    // are then saved under the name of a clerk added in this run.
    std::string datei = gewaehlt_ >= 0 ? dateien_[static_cast<std::size_t>(gewaehlt_)] : std::string();
    p_.z.KonfigDatei = (verzeichnis_ / "").string() + datei;
    p_.z.KonfigVerz = verzeichnis_.string();
}

bool SBWahlPresenter::dateiDoppelklick(int index) {
    dateiWaehlen(index);
    if (gewaehlt_ < 0) return false;
    uebernehmen();
    KonfigLesen(p_, ms_);
    return true;
}

bool SBWahlPresenter::ok() {
    uebernehmen();
    if (gewaehlt_ < 0) {
        // Yes starts with the settings already read; No lets the user choose.
        return ms_.frage(Nr(13) + "\n" + "OK?", Schaltflaechen::JaNein, Symbol::Frage) == Antwort::Ja;
    }
    KonfigLesen(p_, ms_);
    return true;
}

bool SBWahlPresenter::neu() {
    neuerSachbearbeiter_ = true;
    return true;
}

void SBWahlPresenter::nachSchliessen() {
    if (!neuerSachbearbeiter_) return;
    neuerSachbearbeiter_ = false;
    if (!SachbearbeiterHinzufuegen(p_, ms_)) ms_.oeffnen(Fenster::SBWahl);
}

SBWahlAnsicht SBWahlPresenter::ansicht() const {
    SBWahlAnsicht a;
    a.titel = Text(307);
    a.dateiLabel = "&Datei:";
    a.ok = "&OK";
    a.neu = "&Neuer Sachbearbeiter";
    a.abbrechen = "&Abbrechen";
    a.verzeichnis = verzeichnis_.string();
    a.verzeichnisse = verzeichnisse_;
    a.dateien = dateien_;
    a.gewaehlt = gewaehlt_;
    return a;
}

}  // namespace tarvis
