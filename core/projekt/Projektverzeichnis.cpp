#include "projekt/Projektverzeichnis.h"

#include <system_error>

#include "projekt/Arbeitsplatz.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

namespace {

bool enthaelt(const std::string& s, const char* zeichen) { return s.find_first_of(zeichen) != std::string::npos; }

}  // namespace

void ProjektverzeichnisErstellen(Programm& p, MessageService& ms) {
    Zustand& z = p.z;
    const Meldungstext frage = Nr(71) + "\n" + Nr(72) + "\n" + "an: " + p.verzeichnis.string();
    std::string name;
    for (;;) {
        auto antwort = ms.eingabe(frage, Nr(70), z.PVerzAntwort);
        if (!antwort || antwort->empty()) return;
        z.PVerzAntwort = *antwort;
        // One level below the program directory only: no separators, no
        // drive, and nothing that climbs out of it.
        if (enthaelt(*antwort, "/\\:") || *antwort == "." || *antwort == "..") {
            ms.meldung(Symbol::Ausrufezeichen, Nr(397));
            continue;
        }
        // A double quote would also break the settings file that keeps the path.
        if (enthaelt(*antwort, "?:<>\"")) {
            ms.meldung(Symbol::Ausrufezeichen, Nr(73));
            continue;
        }
        name = Grossbuchstaben(*antwort);
        break;
    }

    // Names are typed in any letter case: a directory whose name differs only
    // in case is the same directory, not a second one beside it.
    fs::path ziel = DateiImVerzeichnis(p.verzeichnis, name);
    z.ProjPfad = ziel.string();
    std::error_code ec;
    if (fs::create_directory(ziel, ec)) {
        ms.meldung(Symbol::Information, Nr(74));
    } else if (!ec && fs::is_directory(ziel, ec)) {
        ms.meldung(Symbol::Ausrufezeichen, Nr(75));
    } else {
        ms.meldung(Symbol::Ausrufezeichen, Nr(76));
    }
}

}  // namespace tarvis
