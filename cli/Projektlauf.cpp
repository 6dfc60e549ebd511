#include "Projektlauf.h"

#include "io/TextFile.h"
#include "projekt/EStrom.h"
#include "projekt/Katalog.h"
#include "projekt/ProjektDatei.h"
#include "projekt/Programmverzeichnis.h"
#include "projekt/Texte.h"

namespace tarvis::cli {

namespace fs = std::filesystem;

std::optional<Programm> Programmstart(const fs::path& verzeichnis, std::ostream& fehler) {
    Programm p;
    p.verzeichnis = verzeichnis;
    if (p.verzeichnis.empty()) {
        // The directory the program itself would use: beside the binary, the
        // user's copy of the installed template, or the template.
        std::error_code ec;
        fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        p.verzeichnis = ProgrammverzeichnisZumLesen(ec ? fs::path() : exe.parent_path(), BenutzerProgrammverzeichnis()).verzeichnis;
    }
    auto katalog = Katalog::oeffnen(p.datei("TARVIS.ART"));
    if (!katalog) {
        fehler << "tarvis-cli: cannot read " << p.datei("TARVIS.ART").string() << ": " << katalog.error().beschreibung
               << "\n";
        return std::nullopt;
    }
    if (!katalog->vollstaendig()) {
        fehler << "tarvis-cli: " << p.datei("TARVIS.ART").string() << ": 45: " << Text(45) << "\n";
        return std::nullopt;
    }
    p.katalog = std::move(*katalog);
    auto estrom = EStromLesen(p.datei("ESTROMK.DAT"));
    if (!estrom) {
        fehler << "tarvis-cli: cannot read " << p.datei("ESTROMK.DAT").string() << ": " << estrom.error().beschreibung
               << "\n";
        return std::nullopt;
    }
    p.estrom = *estrom;
    p.z.PrgVersion = TARVIS_VERSION_TEXT;
    p.z.VersionMin = "98.4";
    p.z.VersionMax = p.z.PrgVersion.substr(0, 4);
    p.z.ArtDatei = p.datei("TARVIS.ART").string();
    ProjektZuruecksetzen(p.z);
    return p;
}

bool ProjektOeffnenBatch(Programm& p, BatchMessages& ms, const fs::path& datei, std::ostream& fehler) {
    // What keeps the file from being read, said plainly ("is a directory", "larger than 4 MB").
    if (auto lesbar = io::readable(datei); !lesbar) {
        fehler << "tarvis-cli: cannot read " << datei.string() << ": " << lesbar.error().beschreibung << "\n";
        return false;
    }
    std::error_code ec;
    const LadeErgebnis geladen = ProjektOeffnen(p, ms, fs::absolute(datei, ec));
    if (geladen != LadeErgebnis::Geladen) {
        fehler << "tarvis-cli: " << datei.string() << ": "
               << (geladen == LadeErgebnis::Abgelehnt ? "the project is refused" : "not a readable project file") << "\n";
        return false;
    }
    return true;
}

std::optional<AuswertenHalt> ProjektRechnen(Programm& p, BatchMessages& ms, const fs::path& datei,
                                            std::ostream& fehler) {
    if (!ProjektOeffnenBatch(p, ms, datei, fehler)) return std::nullopt;
    const AuswertenHalt halt = AuswertenAblauf(p, ms);
    switch (halt) {
    case AuswertenHalt::Keiner: break;
    case AuswertenHalt::Zentralentyp: fehler << "stopped: type\n"; break;
    case AuswertenHalt::Schnittstellen: fehler << "stopped: interfaces\n"; break;
    case AuswertenHalt::DXAGeh: fehler << "stopped: supply\n"; break;
    case AuswertenHalt::Laufzeitfehler: fehler << "stopped: error\n"; break;
    }
    return halt;
}

Zeitstempel Zeit(const std::string& datum, const std::string& zeit) {
    Zeitstempel t = Zeitstempel::jetzt();
    if (!datum.empty()) t.datum = datum;
    if (!zeit.empty()) t.zeit = zeit;
    return t;
}

}  // namespace tarvis::cli
