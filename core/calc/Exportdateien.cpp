#include "calc/Exportdateien.h"

#include "io/TextFile.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

std::string DateiMitEndung(const std::string& pfad, const std::string& endung) {
    const fs::path p(pfad);
    const fs::path name = p.filename();
    if (name.empty() || name == "." || name == "..") return {};
    return (p.parent_path() / (name.stem().string() + endung)).string();
}

std::vector<std::string> Eingabedateien(const Programm& p) {
    std::vector<std::string> e;
    for (const std::string& d : {p.z.ProjektDatei, p.z.ArtDatei})
        if (!d.empty()) e.push_back(d);
    if (!p.verzeichnis.empty()) e.push_back(p.datei("ESTROMK.DAT").string());
    return e;
}

bool ZielErlaubt(MessageService& ms, const std::string& ziel, const std::vector<std::string>& eingaben) {
    for (const std::string& e : eingaben) {
        if (io::sameFile(ziel, e)) {
            ms.meldung(Symbol::Ausrufezeichen, Nr(2000) + "\n" + ziel);
            return false;
        }
    }
    return true;
}

void SchreibfehlerMelden(MessageService& ms, const io::IoError& fehler, const std::string& datei) {
    ms.meldung(Symbol::Ausrufezeichen,
               Nr(394) + " " + std::to_string(fehler.nummer) + "\n" + fehler.beschreibung + "\n" + datei);
}

}  // namespace tarvis
