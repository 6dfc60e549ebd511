#include "einstellungen/SachbearbeiterHinzufuegen.h"

#include <optional>
#include <system_error>

#include "projekt/Arbeitsplatz.h"
#include "projekt/Einstellungen.h"
#include "projekt/Namensregeln.h"
#include "projekt/Texte.h"

namespace tarvis {

namespace fs = std::filesystem;

namespace {

bool nurLeerzeichen(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// The clerk's name, or nothing when the command ends.
std::optional<std::string> nameErfragen(MessageService& ms) {
    std::string vorgabe;
    for (;;) {
        auto antwort = ms.eingabe(Nr(308), {}, vorgabe);
        if (!antwort || nurLeerzeichen(*antwort)) return std::nullopt;
        if (!TextSpeicherbar(*antwort)) {
            // The name is written in quotes into the settings files.
            ms.piepen();
            vorgabe = OhneAnfuehrungszeichen(*antwort);
            continue;
        }
        // "." and ".." would make the program directory or the one above it
        // the clerk's directory.
        if (NameUngueltig(*antwort) || *antwort == "." || *antwort == "..") {
            ms.meldung(Symbol::Ausrufezeichen, Nr(311));
            vorgabe = *antwort;
            continue;
        }
        return antwort;
    }
}

}  // namespace

bool SachbearbeiterHinzufuegen(Programm& p, MessageService& ms) {
    Zustand& z = p.z;
    auto name = nameErfragen(ms);
    if (!name) return false;
    z.NeuSachbe = *name;

    // File and directory of a clerk typed in another letter case are the
    // ones that exist already.
    fs::path konfig = DateiImVerzeichnis(p.verzeichnis, z.NeuSachbe + ".KON");
    fs::path verzeichnis = DateiImVerzeichnis(p.verzeichnis, z.NeuSachbe);
    z.Arbeitsplatz = 2;

    std::string projPfad = z.ProjPfad;
    if (ms.frage(Nr(312) + " " + verzeichnis.string(), Schaltflaechen::JaNein, Symbol::Frage) == Antwort::Ja) {
        std::error_code ec;
        if (fs::is_directory(verzeichnis, ec)) {
            ms.meldung(Symbol::Ausrufezeichen, Nr(313));
            projPfad = verzeichnis.string();
        } else if (fs::create_directory(verzeichnis, ec)) {
            ms.meldung(Symbol::Information, Nr(310));
            projPfad = verzeichnis.string();
        } else {
            // Not creatable (a file of that name, no permission): the clerk
            // keeps the current project directory.
            ms.meldung(Symbol::Ausrufezeichen, Nr(76));
        }
    }

    auto geschrieben = KonfigDateiSchreiben(konfig, z, KonfigWerte{z.NeuSachbe, projPfad, true});
    if (!geschrieben) {
        ms.meldung(Symbol::Kritisch, Nr(394) + " " + std::to_string(geschrieben.error().nummer) + "\n" +
                                         geschrieben.error().beschreibung);
        return false;
    }
    EinstellungenSpeichern(p);
    ms.oeffnen(Fenster::SBWahl);
    return true;
}

}  // namespace tarvis
