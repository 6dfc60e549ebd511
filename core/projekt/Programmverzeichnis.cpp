#include "projekt/Programmverzeichnis.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace tarvis {

namespace fs = std::filesystem;

bool Beschreibbar(const fs::path& verzeichnis) {
    std::error_code ec;
    if (!fs::is_directory(verzeichnis, ec)) return false;
    fs::path probe = verzeichnis / ".tarvis-schreibprobe";
    {
        std::ofstream out(probe);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

namespace {

void kopierenWennNeuer(const fs::path& von, const fs::path& nach) {
    std::error_code ec;
    if (!fs::exists(von, ec)) return;
    if (fs::exists(nach, ec) && fs::last_write_time(nach, ec) >= fs::last_write_time(von, ec)) return;
    fs::copy_file(von, nach, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

void AusVorlageEinrichten(const fs::path& vorlage, const fs::path& ziel) {
    std::error_code ec;
    fs::create_directories(ziel / "PROJEKTE", ec);
    kopierenWennNeuer(vorlage / "TARVIS.ART", ziel / "TARVIS.ART");
    kopierenWennNeuer(vorlage / "ESTROMK.DAT", ziel / "ESTROMK.DAT");
    if (fs::is_directory(vorlage / "hilfe", ec)) {
        fs::create_directories(ziel / "hilfe", ec);
        for (fs::directory_iterator it(vorlage / "hilfe", ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file()) kopierenWennNeuer(it->path(), ziel / "hilfe" / it->path().filename());
    }
}

namespace {

ProgrammverzeichnisWahl waehlen(const fs::path& programmOrdner, const fs::path& benutzerVerzeichnis,
                                const std::function<bool(const fs::path&)>& beschreibbar, bool einrichten) {
    std::error_code ec;
    fs::path daneben = programmOrdner / "programm";
    if (fs::exists(daneben / "TARVIS.ART", ec) && beschreibbar(daneben)) return {daneben, false};

    fs::path vorlage = programmOrdner.parent_path() / "share" / "tarvis" / "programm";
    if (!fs::exists(vorlage / "TARVIS.ART", ec)) {
        // A directory beside the binary that cannot be written is still
        // better than none: start-up reports what is missing.
        return {daneben, false};
    }
    if (beschreibbar(vorlage)) return {vorlage, false};
    if (!einrichten) {
        if (fs::exists(benutzerVerzeichnis / "TARVIS.ART", ec)) return {benutzerVerzeichnis, true};
        return {vorlage, false};
    }
    AusVorlageEinrichten(vorlage, benutzerVerzeichnis);
    return {benutzerVerzeichnis, true};
}

}  // namespace

ProgrammverzeichnisWahl ProgrammverzeichnisFinden(const fs::path& programmOrdner, const fs::path& benutzerVerzeichnis,
                                                  const std::function<bool(const fs::path&)>& beschreibbar) {
    return waehlen(programmOrdner, benutzerVerzeichnis, beschreibbar, true);
}

ProgrammverzeichnisWahl ProgrammverzeichnisZumLesen(const fs::path& programmOrdner, const fs::path& benutzerVerzeichnis,
                                                    const std::function<bool(const fs::path&)>& beschreibbar) {
    return waehlen(programmOrdner, benutzerVerzeichnis, beschreibbar, false);
}

fs::path BenutzerProgrammverzeichnis() {
    const char* daten = std::getenv("XDG_DATA_HOME");
    fs::path basis;
    if (daten && *daten && fs::path(daten).is_absolute()) basis = daten;
    else if (const char* heim = std::getenv("HOME"); heim && *heim) basis = fs::path(heim) / ".local" / "share";
    else return {};
    return basis / "TARVIS" / "programm";
}

}  // namespace tarvis
